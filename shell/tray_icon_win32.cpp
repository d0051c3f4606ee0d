#include "shell/tray_icon_win32.h"

#include <shellapi.h>

#include <cstring>
#include <utility>

#include "shell/control_ids.h"
#include "shell/ico_win32.h"
#include "shell/tray_tip.h"

namespace tq {

namespace {

// The record is passed in its first layout, which every shell understands;
// on the 32-bit release build that is the 88-byte record.
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;
#ifndef _WIN64
static_assert(kRecordSize == 88, "the first NOTIFYICONDATAA layout is 88 bytes");
#endif
static_assert(kTrayTipMaxBytes < sizeof(NOTIFYICONDATAA{}.szTip),
              "the cut tip leaves the tip field zero-terminated");

constexpr DWORD kShowFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr DWORD kDeleteFlags = 0;
constexpr int kSmallIconWidth = 16;
constexpr int kLargeIconWidth = 32;

}  // namespace

bool TrayIcon::notify(DWORD action, DWORD flags) const {
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    record.cbSize = kRecordSize;
    record.hWnd = owner_;
    record.uID = kTrayIconId;
    record.uFlags = flags;
    if (flags != kDeleteFlags) {
        record.uCallbackMessage = kTrayCallbackMessage;
        record.hIcon = icon_.get();
        std::memcpy(record.szTip, tip_.data(), tip_.size());
    }
    return Shell_NotifyIconA(action, &record) != FALSE;
}

void TrayIcon::set_tray_icon(const Bytes& ico, const std::optional<Text>& tip) {
    unique_icon fresh = icon_from_ico_bytes(ico, kSmallIconWidth);
    if (!fresh) fresh = icon_from_ico_bytes(ico, kLargeIconWidth);
    tip_ = tip ? cut_tray_tip(*tip) : Text{};

    if (!fresh) {
        remove();
        return;
    }
    const bool was_shown = shown();
    // The old handle lives until the shell has the new one, then goes.
    unique_icon previous = std::exchange(icon_, std::move(fresh));
    // A change that the shell refuses usually means it has lost the icon (an
    // explorer restarted without a broadcast reaching us); adding it again
    // brings it back instead of failing at every later change.
    if (!was_shown || !notify(NIM_MODIFY, kShowFlags)) notify(NIM_ADD, kShowFlags);
    previous.reset();
}

void TrayIcon::remove() {
    if (!shown()) return;
    notify(NIM_DELETE, kDeleteFlags);
    icon_.reset();
}

void TrayIcon::on_taskbar_created() {
    if (shown()) notify(NIM_ADD, kShowFlags);
}

UINT TrayIcon::taskbar_created_message() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace tq
