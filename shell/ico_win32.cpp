#include "shell/ico_win32.h"

#include "shell/ico_directory.h"

namespace tq {

namespace {

constexpr DWORD kIconFormatVersion = 0x30000;
constexpr std::uint16_t kBitCountWithoutFallback = 16;

}  // namespace

unique_icon icon_from_ico_bytes(const Bytes& bytes, int preferred_width) {
    const std::optional<IcoImage> image = choose_ico_image(bytes, preferred_width);
    if (!image) return unique_icon{};
    // The creation calls take a non-const pointer but only read the image.
    auto* data = reinterpret_cast<PBYTE>(const_cast<char*>(bytes.data() + image->offset));
    const auto size = static_cast<DWORD>(image->size);
    unique_icon icon{CreateIconFromResourceEx(data, size, TRUE, kIconFormatVersion, image->width,
                                              image->height / 2, LR_DEFAULTCOLOR)};
    if (!icon && image->bit_count != kBitCountWithoutFallback) {
        icon.reset(CreateIconFromResource(data, size, TRUE, kIconFormatVersion));
    }
    return icon;
}

}  // namespace tq
