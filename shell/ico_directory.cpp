#include "shell/ico_directory.h"

namespace tq {

namespace {

constexpr std::size_t kHeaderBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::uint16_t kTypeIcon = 1;
constexpr std::uint16_t kTypeCursor = 2;
constexpr unsigned kMinColourCount = 16;

// Offsets within a directory entry.
constexpr std::size_t kEntryWidth = 0;
constexpr std::size_t kEntryColourCount = 2;
constexpr std::size_t kEntryImageSize = 8;
constexpr std::size_t kEntryImageOffset = 12;

// Offsets within a bitmap image.
constexpr std::size_t kImageWidth = 4;
constexpr std::size_t kImageHeight = 8;
constexpr std::size_t kImageBitCount = 14;

// The callers have checked that the bytes are there.
std::uint16_t read_u16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}
std::uint32_t read_u32(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(read_u16(bytes, at)) |
           static_cast<std::uint32_t>(read_u16(bytes, at + 2)) << 16;
}
unsigned read_u8(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

}  // namespace

std::optional<IcoImage> choose_ico_image(std::string_view bytes, int preferred_width) {
    if (bytes.size() < kHeaderBytes) return std::nullopt;
    const std::uint16_t reserved = read_u16(bytes, 0);
    const std::uint16_t type = read_u16(bytes, 2);
    const std::size_t count = read_u16(bytes, 4);
    if (reserved != 0 || (type != kTypeIcon && type != kTypeCursor) || count == 0) {
        return std::nullopt;
    }
    if ((bytes.size() - kHeaderBytes) / kEntryBytes < count) return std::nullopt;

    std::size_t chosen = count - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kHeaderBytes + i * kEntryBytes;
        if (static_cast<int>(read_u8(bytes, entry + kEntryWidth)) == preferred_width &&
            read_u8(bytes, entry + kEntryColourCount) >= kMinColourCount) {
            chosen = i;
            break;
        }
    }

    const std::size_t entry = kHeaderBytes + chosen * kEntryBytes;
    IcoImage image;
    image.size = read_u32(bytes, entry + kEntryImageSize);
    image.offset = read_u32(bytes, entry + kEntryImageOffset);
    // Written as subtractions so that no sum of two file values can wrap.
    if (image.offset > bytes.size() || image.size > bytes.size() - image.offset) {
        return std::nullopt;
    }
    if (image.size < kIcoMinImageBytes) return std::nullopt;

    const std::string_view data = bytes.substr(image.offset, image.size);
    image.width = static_cast<std::int32_t>(read_u32(data, kImageWidth));
    image.height = static_cast<std::int32_t>(read_u32(data, kImageHeight));
    image.bit_count = read_u16(data, kImageBitCount);
    return image;
}

}  // namespace tq
