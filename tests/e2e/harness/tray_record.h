// What Wine 8's shell32 sends to the window of class "Shell_TrayWnd" for each
// Shell_NotifyIcon call: WM_COPYDATA with the NIM_* code as dwData and a
// private record as data. Only the test host decodes this record; its layout
// is fixed for that Wine version and is nobody else's business.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tq::e2e {

// The NIM_* codes as they arrive in dwData.
enum class TrayCall : std::uint32_t { Add = 0, Modify = 1, Delete = 2, SetFocus = 3, SetVersion = 4 };

// NIF_* bits of uFlags.
constexpr std::uint32_t kTrayFlagMessage = 0x1;
constexpr std::uint32_t kTrayFlagIcon = 0x2;
constexpr std::uint32_t kTrayFlagTip = 0x4;

struct TrayRecord {
    TrayCall call = TrayCall::Add;
    std::uint32_t window = 0;  // the low 32 bits of the owner's HWND
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callback_message = 0;
    std::u16string tip;        // up to the first zero unit
    bool has_icon = false;     // the record carries the icon's bitmap
    std::int32_t icon_width = 0;
    std::int32_t icon_height = 0;
};

// Nullopt for an unknown code or a record too short for its fixed part.
std::optional<TrayRecord> decode_tray_record(std::uint32_t code, const void* data,
                                             std::size_t size);

}  // namespace tq::e2e
