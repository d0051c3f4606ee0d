// A stand-in for the taskbar's notification area: a window of class
// "Shell_TrayWnd" on its own thread that records every Shell_NotifyIcon call
// of any process. Wine sends each call to the first window of that class in
// z-order, looked up anew on every call: explorer keeps a hidden one of its
// own (with its tray display off), and a host made later lies above it. So
// the host must exist before the program starts.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/text.h"
#include "tests/e2e/harness/tray_record.h"
#include "tests/e2e/harness/wait.h"

namespace tq::e2e {

struct TrayNotice {
    TrayRecord record;
    Text tip;  // the record's tip in code page 936, as the program wrote it

    bool is(TrayCall call) const { return record.call == call; }
    bool for_window(HWND window) const {
        return record.window == static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
    }
};

class TrayHost {
public:
    TrayHost();   // returns once the window exists (or could not be made)
    ~TrayHost();
    TrayHost(const TrayHost&) = delete;
    TrayHost& operator=(const TrayHost&) = delete;

    // The host's window; null when it could not be created.
    HWND window() const { return window_; }
    // True when Wine will send to this host: it is the first Shell_TrayWnd.
    bool receives_tray_calls() const;

    std::vector<TrayNotice> notices() const;
    // Records that arrived but could not be decoded.
    int undecodable_count() const;
    // Waits until `count` notices matching `match` have arrived in all; the
    // last of them, or nullopt on timeout.
    std::optional<TrayNotice> wait_for(const std::function<bool(const TrayNotice&)>& match,
                                       size_t count = 1, Milliseconds timeout = kStepTimeout) const;
    size_t count_of(const std::function<bool(const TrayNotice&)>& match) const;

private:
    class HostWindow;
    void run();
    void record(ULONG_PTR code, const void* data, size_t size);

    mutable std::mutex mutex_;
    std::vector<TrayNotice> notices_;
    int undecodable_ = 0;
    HWND window_ = nullptr;
    HANDLE created_ = nullptr;  // set once the window exists or failed
    std::thread thread_;
};

}  // namespace tq::e2e
