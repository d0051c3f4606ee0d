#include "tests/e2e/harness/tray_host_win32.h"

#include <algorithm>

#include "shell/unique_handle.h"
#include "shell/window_win32.h"
#include "tests/e2e/harness/text_win32.h"

namespace tq::e2e {

namespace {
constexpr char kTrayClass[] = "Shell_TrayWnd";
}

class TrayHost::HostWindow : public Window {
public:
    explicit HostWindow(TrayHost& owner) : owner_(owner) {}

    bool create_window() {
        if (!register_class(kTrayClass, 0, nullptr)) return false;
        // A hidden top-level window: Wine finds it with FindWindow by class.
        return create(0, kTrayClass, "", WS_POPUP, 0, 0, 0, 0, nullptr);
    }

protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message == WM_COPYDATA) {
            const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
            owner_.record(copy->dwData, copy->lpData, copy->cbData);
            return TRUE;  // Shell_NotifyIcon reports this as its result
        }
        if (message == WM_CLOSE) {
            DestroyWindow(hwnd());
            return 0;
        }
        if (message == WM_DESTROY) PostQuitMessage(0);
        return Window::handle_message(message, wparam, lparam);
    }

private:
    TrayHost& owner_;
};

TrayHost::TrayHost() {
    unique_file created(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    created_ = created.get();
    thread_ = std::thread([this] { run(); });
    WaitForSingleObject(created.get(), INFINITE);
    created_ = nullptr;
}

TrayHost::~TrayHost() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (thread_.joinable()) thread_.join();
}

void TrayHost::run() {
    HostWindow host(*this);
    const bool made = host.create_window();
    window_ = made ? host.hwnd() : nullptr;
    SetEvent(created_);
    if (!made) return;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool TrayHost::receives_tray_calls() const {
    return window_ && FindWindowA(kTrayClass, nullptr) == window_;
}

void TrayHost::record(ULONG_PTR code, const void* data, size_t size) {
    const auto decoded = decode_tray_record(static_cast<std::uint32_t>(code), data, size);
    std::lock_guard lock(mutex_);
    if (!decoded) {
        ++undecodable_;
    } else {
        TrayNotice notice{*decoded, {}};
        notice.tip = to_text(std::wstring(decoded->tip.begin(), decoded->tip.end()));
        notices_.push_back(std::move(notice));
    }
}

std::vector<TrayNotice> TrayHost::notices() const {
    std::lock_guard lock(mutex_);
    return notices_;
}

int TrayHost::undecodable_count() const {
    std::lock_guard lock(mutex_);
    return undecodable_;
}

size_t TrayHost::count_of(const std::function<bool(const TrayNotice&)>& match) const {
    std::lock_guard lock(mutex_);
    return static_cast<size_t>(std::count_if(notices_.begin(), notices_.end(), match));
}

std::optional<TrayNotice> TrayHost::wait_for(const std::function<bool(const TrayNotice&)>& match,
                                             size_t count, Milliseconds timeout) const {
    std::optional<TrayNotice> last;
    const auto enough = [&] {
        std::lock_guard lock(mutex_);
        size_t seen = 0;
        for (const TrayNotice& notice : notices_) {
            if (!match(notice)) continue;
            last = notice;
            if (++seen == count) return true;
        }
        return false;
    };
    if (!wait_until(enough, timeout)) return std::nullopt;
    return last;
}

}  // namespace tq::e2e
