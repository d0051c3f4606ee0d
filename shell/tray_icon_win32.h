// The program's notification-area icon. It owns the handle of the icon it
// shows and takes the icon out of the tray when it is removed or destroyed.
#pragma once

#include <windows.h>

#include <optional>

#include "core/text.h"
#include "shell/unique_handle.h"

namespace tq {

class TrayIcon {
public:
    TrayIcon() = default;
    explicit TrayIcon(HWND owner) : owner_(owner) {}
    ~TrayIcon() { remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The window that receives kTrayCallbackMessage; set before the first
    // set_tray_icon.
    void attach(HWND owner) { owner_ = owner; }

    // Makes a fresh icon from the .ico bytes (the 16-pixel image, else the
    // 32-pixel one) and shows it with the tip cut to the field (no tip: an
    // empty tip). Adds the icon when none is shown, changes it when one is,
    // and removes it when the bytes give no icon. The previous handle is
    // destroyed each time.
    void set_tray_icon(const Bytes& ico, const std::optional<Text>& tip);

    // Takes the icon out of the tray and destroys its handle; nothing when no
    // icon is shown.
    void remove();

    // A restarted taskbar has forgotten every icon: adds the current icon and
    // tip again. The control panel calls this for taskbar_created_message().
    void on_taskbar_created();
    // The registered message "TaskbarCreated" that a new taskbar broadcasts
    // to every top-level window.
    static UINT taskbar_created_message();

    bool shown() const { return static_cast<bool>(icon_); }
    HICON icon() const { return icon_.get(); }
    const Text& tip() const { return tip_; }

private:
    bool notify(DWORD action, DWORD flags) const;

    HWND owner_ = nullptr;
    unique_icon icon_;
    Text tip_;  // as shown: already cut to the field
};

}  // namespace tq
