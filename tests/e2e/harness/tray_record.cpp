#include "tests/e2e/harness/tray_record.h"

#include <cstring>

namespace tq::e2e {

namespace {

// Offsets of Wine 8's record.
constexpr std::size_t kWindowOffset = 0;
constexpr std::size_t kIdOffset = 4;
constexpr std::size_t kFlagsOffset = 8;
constexpr std::size_t kCallbackOffset = 12;
constexpr std::size_t kTipOffset = 16;
constexpr std::size_t kTipUnits = 128;
constexpr std::size_t kIconWidthOffset = 944;
constexpr std::size_t kIconHeightOffset = 948;
// The icon's bitmap bits follow the fixed part when an icon was passed.
constexpr std::size_t kFixedSize = 960;

std::uint32_t read_u32(const unsigned char* bytes, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes + offset, sizeof value);  // little-endian like the host
    return value;
}

}  // namespace

std::optional<TrayRecord> decode_tray_record(std::uint32_t code, const void* data,
                                             std::size_t size) {
    if (code > static_cast<std::uint32_t>(TrayCall::SetVersion)) return std::nullopt;
    if (!data || size < kFixedSize) return std::nullopt;
    const auto* bytes = static_cast<const unsigned char*>(data);
    TrayRecord record;
    record.call = static_cast<TrayCall>(code);
    record.window = read_u32(bytes, kWindowOffset);
    record.id = read_u32(bytes, kIdOffset);
    record.flags = read_u32(bytes, kFlagsOffset);
    record.callback_message = read_u32(bytes, kCallbackOffset);
    for (std::size_t i = 0; i < kTipUnits; ++i) {
        char16_t unit = 0;
        std::memcpy(&unit, bytes + kTipOffset + 2 * i, sizeof unit);
        if (unit == 0) break;
        record.tip.push_back(unit);
    }
    record.icon_width = static_cast<std::int32_t>(read_u32(bytes, kIconWidthOffset));
    record.icon_height = static_cast<std::int32_t>(read_u32(bytes, kIconHeightOffset));
    record.has_icon = size > kFixedSize && record.icon_width > 0 && record.icon_height > 0;
    return record;
}

}  // namespace tq::e2e
