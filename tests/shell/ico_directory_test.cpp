#include "shell/ico_directory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tq {
namespace {

void put16(std::string& out, std::size_t at, std::uint32_t v) {
    const char little_endian[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
    out.replace(at, 2, little_endian, 2);
}
void put32(std::string& out, std::size_t at, std::uint32_t v) {
    put16(out, at, v & 0xFFFF);
    put16(out, at + 2, v >> 16);
}

// A bitmap image as an .ico holds it: the info header (width, doubled height,
// bit count) and some pixel bytes.
std::string bitmap_image(std::uint32_t width, std::uint32_t height, std::uint16_t bits,
                         std::size_t pixel_bytes = 64) {
    std::string image(40 + pixel_bytes, '\0');
    put32(image, 0, 40);
    put32(image, 4, width);
    put32(image, 8, height * 2);
    put16(image, 12, 1);
    put16(image, 14, bits);
    return image;
}

struct Entry {
    unsigned width;
    unsigned colour_count;
    std::string image;
};

std::string ico_file(const std::vector<Entry>& entries, std::uint16_t type = 1) {
    std::string out(6 + 16 * entries.size(), '\0');
    put16(out, 2, type);
    put16(out, 4, static_cast<std::uint32_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t at = 6 + 16 * i;
        out[at] = static_cast<char>(entries[i].width);
        out[at + 1] = static_cast<char>(entries[i].width);
        out[at + 2] = static_cast<char>(entries[i].colour_count);
        put16(out, at + 4, 1);
        put16(out, at + 6, 32);
        put32(out, at + 8, static_cast<std::uint32_t>(entries[i].image.size()));
        put32(out, at + 12, static_cast<std::uint32_t>(out.size()));
        out += entries[i].image;
    }
    return out;
}

// The function sees exactly the file's bytes in a block of their own size, so
// the sanitizers report any read past the end.
std::optional<IcoImage> choose_from_exact_block(const std::string& file, int width) {
    auto block = std::make_unique<char[]>(file.size() + (file.empty() ? 1 : 0));
    std::copy(file.begin(), file.end(), block.get());
    return choose_ico_image(std::string_view(block.get(), file.size()), width);
}

const std::string kTwoEntries = ico_file({{16, 0, bitmap_image(16, 16, 8)},
                                          {32, 16, bitmap_image(32, 32, 4)}});

struct ChoiceCase {
    const char* name;
    std::string file;
    int width;
    std::size_t entry;  // which entry's image is expected
    std::int32_t image_width;
    std::int32_t image_height;
    std::uint16_t bits;
};

std::size_t image_offset(const std::string& file, std::size_t entry) {
    const std::size_t at = 6 + 16 * entry + 12;
    return static_cast<unsigned char>(file[at]) | static_cast<unsigned char>(file[at + 1]) << 8;
}

TEST(ChooseIcoImage, TakesTheFirstMatchingEntryElseTheLast) {
    const ChoiceCase cases[] = {
        // 256 colours have colour count 0, so 16x16 fails the colour test.
        {"256_colour_16_skipped_for_last", kTwoEntries, 16, 1, 32, 64, 4},
        {"width_32_matches_second", kTwoEntries, 32, 1, 32, 64, 4},
        {"first_of_two_matches_wins",
         ico_file({{16, 16, bitmap_image(16, 16, 4)}, {16, 16, bitmap_image(17, 17, 4)}}), 16, 0,
         16, 32, 4},
        {"no_width_match_takes_last",
         ico_file({{48, 16, bitmap_image(48, 48, 4)}, {24, 16, bitmap_image(24, 24, 4)},
                   {64, 0, bitmap_image(64, 64, 32)}}),
         16, 2, 64, 128, 32},
        {"single_71_pixel_image", ico_file({{71, 0, bitmap_image(71, 71, 32, 20164 + 852)}}), 16,
         0, 71, 142, 32},
        {"cursor_directory_accepted", ico_file({{32, 16, bitmap_image(32, 32, 4)}}, 2), 16, 0, 32,
         64, 4},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<IcoImage> image = choose_from_exact_block(c.file, c.width);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->offset, image_offset(c.file, c.entry));
        EXPECT_EQ(image->width, c.image_width);
        EXPECT_EQ(image->height, c.image_height);
        EXPECT_EQ(image->bit_count, c.bits);
        EXPECT_EQ(image->offset + image->size,
                  c.entry + 1 < static_cast<std::size_t>(c.file[4]) ? image_offset(c.file, c.entry + 1)
                                                                    : c.file.size());
    }
}

std::string with32(std::string file, std::size_t at, std::uint32_t v) {
    put32(file, at, v);
    return file;
}
std::string with16(std::string file, std::size_t at, std::uint32_t v) {
    put16(file, at, v);
    return file;
}

TEST(ChooseIcoImage, RefusesDataThatIsNotAWholeIconFile) {
    const std::string one = ico_file({{16, 16, bitmap_image(16, 16, 4)}});
    const std::string png = std::string("\x89PNG\r\n\x1A\n", 8) + std::string(64, '\0');
    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"empty", ""},
        {"header_cut_short", one.substr(0, 5)},
        {"directory_cut_short", one.substr(0, 6 + 15)},
        {"image_cut_short", one.substr(0, one.size() - 1)},
        {"reserved_not_zero", with16(one, 0, 1)},
        {"type_not_icon_or_cursor", with16(one, 2, 3)},
        {"count_zero", with16(one, 4, 0)},
        {"directory_shorter_than_count", with16(one.substr(0, 6 + 16), 4, 2)},
        {"offset_beyond_end", with32(one, 6 + 12, static_cast<std::uint32_t>(one.size() + 1))},
        {"size_beyond_end", with32(one, 6 + 8, static_cast<std::uint32_t>(one.size()))},
        {"offset_plus_size_wraps", with32(with32(one, 6 + 12, 0xFFFFFFF0u), 6 + 8, 0x20)},
        {"huge_size", with32(one, 6 + 8, 0xFFFFFFFFu)},
        {"image_shorter_than_a_header", ico_file({{16, 16, std::string(39, '\x01')}})},
        {"png_file", png},
        {"bmp_file", std::string("BM") + std::string(100, '\0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(choose_from_exact_block(c.file, 16).has_value());
        EXPECT_FALSE(choose_from_exact_block(c.file, 32).has_value());
    }
}

}  // namespace
}  // namespace tq
