// The directory of an .ico (or .cur) file: which image the tray takes, and
// where its bytes lie. Every position is checked against the data, so a
// truncated or hand-made file gives no image instead of a read past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tq {

struct IcoImage {
    std::size_t offset = 0;  // of the image's bytes within the file
    std::size_t size = 0;    // byte count of the image
    // The 32-bit values at offsets 4 and 8 of the image: width and doubled
    // height (image plus mask) of a bitmap image.
    std::int32_t width = 0;
    std::int32_t height = 0;
    // The 16-bit value at offset 14: the bit count of a bitmap image.
    std::uint16_t bit_count = 0;
};

// The smallest image accepted: a bitmap info header. Anything shorter cannot
// be an icon image, and the creation calls would read that much anyway.
constexpr std::size_t kIcoMinImageBytes = 40;

// The first entry whose width byte equals preferred_width and whose colour
// count byte is 16 or more; the last entry when none matches. None when the
// header is not an icon or cursor directory, when the directory or the chosen
// image does not lie wholly inside the bytes, or when the image is shorter
// than kIcoMinImageBytes.
std::optional<IcoImage> choose_ico_image(std::string_view bytes, int preferred_width);

}  // namespace tq
