// Real .ico files built in memory for the tray tests: each image a bitmap
// info header, its palette, the colour bits and the mask, as icon editors
// write them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tq::test {

struct IcoPicture {
    int size;        // width and height in pixels
    int bit_count;   // 4, 8 or 32
    unsigned char colour_count;  // the directory byte: 16 for 4 bits, 0 for 8 and 32
};

inline void put_le(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

inline std::string ico_image(int size, int bit_count) {
    std::string image;
    const int palette = bit_count <= 8 ? 1 << bit_count : 0;
    const int colour_row = (size * bit_count + 31) / 32 * 4;
    const int mask_row = (size + 31) / 32 * 4;
    put_le(image, 40, 4);
    put_le(image, static_cast<std::uint32_t>(size), 4);
    put_le(image, static_cast<std::uint32_t>(size * 2), 4);
    put_le(image, 1, 2);
    put_le(image, static_cast<std::uint32_t>(bit_count), 2);
    put_le(image, 0, 4);
    put_le(image, static_cast<std::uint32_t>((colour_row + mask_row) * size), 4);
    put_le(image, 0, 4);
    put_le(image, 0, 4);
    put_le(image, 0, 4);
    put_le(image, 0, 4);
    for (int i = 0; i < palette; ++i) put_le(image, 0x00F5F5F5u * (i & 1), 4);
    image.append(static_cast<std::size_t>(colour_row * size), '\x11');
    image.append(static_cast<std::size_t>(mask_row * size), '\0');
    if (bit_count == 32) {
        // Opaque alpha on every pixel.
        for (std::size_t i = 40 + 3; i < 40 + static_cast<std::size_t>(colour_row * size); i += 4) {
            image[i] = '\xFF';
        }
    }
    return image;
}

inline std::string ico_file(const std::vector<IcoPicture>& pictures) {
    std::string header;
    put_le(header, 0, 2);
    put_le(header, 1, 2);
    put_le(header, static_cast<std::uint32_t>(pictures.size()), 2);
    std::string directory, images;
    std::size_t offset = 6 + 16 * pictures.size();
    for (const IcoPicture& p : pictures) {
        const std::string image = ico_image(p.size, p.bit_count);
        directory.push_back(static_cast<char>(p.size));
        directory.push_back(static_cast<char>(p.size));
        directory.push_back(static_cast<char>(p.colour_count));
        directory.push_back('\0');
        put_le(directory, 1, 2);
        put_le(directory, static_cast<std::uint32_t>(p.bit_count), 2);
        put_le(directory, static_cast<std::uint32_t>(image.size()), 4);
        put_le(directory, static_cast<std::uint32_t>(offset), 4);
        offset += image.size();
        images += image;
    }
    return header + directory + images;
}

// 16x16 in 256 colours and 32x32 in 16 colours.
inline std::string two_entry_ico() { return ico_file({{16, 8, 0}, {32, 4, 16}}); }
// Like the built-in picture: one 71x71 image of 32 bits.
inline std::string single_71_ico() { return ico_file({{71, 32, 0}}); }

}  // namespace tq::test
