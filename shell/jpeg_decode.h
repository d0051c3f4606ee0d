// Decoding a JPEG picture from bytes in memory, for drawing with GDI.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tq {

// Top-down rows of 4 bytes a pixel in the order blue, green, red, alpha
// (alpha always 255): the layout of a 32-bit top-down DIB section.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;  // width * height * kImageBytesPerPixel bytes
};

constexpr int kImageBytesPerPixel = 4;

// Pictures larger than this are refused before any pixel memory is taken, so a
// header claiming 65535 x 65535 pixels cannot ask for 16 GB.
constexpr std::int64_t kMaxImagePixels = 16 * 1024 * 1024;

// The picture, or nothing when the bytes are not a complete, sound JPEG: a
// truncated or corrupt file gives no picture rather than a partly grey one.
std::optional<Image> decode_jpeg(std::string_view bytes);

}  // namespace tq
