#include "shell/about_window_win32.h"

#include <optional>

#include "shell/about_modal_win32.h"
#include "shell/about_picture_win32.h"
#include "shell/about_texts.h"
#include "shell/hyperlink_open_win32.h"
#include "shell/unique_handle.h"
#include "shell/window_win32.h"

namespace tq {
namespace {

constexpr DWORD kAboutStyle = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;

struct Place {
    int x, y, width, height;
};
constexpr Place kTitlePlace{8, 8, 496, 56};
constexpr Place kSupportPlace{8, 64, 496, 56};
// One pixel left of the client area, as laid out: the picture starts flush
// with the window's inner edge.
constexpr Place kPicturePlace{-1, 103, 200, 200};
constexpr Place kPictureLabelPlace{16, 8, 64, 24};  // inside the picture box
constexpr Place kFeedbackTextPlace{200, 216, 304, 48};
constexpr Place kHomeLinkPlace{200, 272, 96, 24};
constexpr Place kFeedbackLinkPlace{400, 272, 96, 24};

// A named CALLBACK: the 32-bit build needs the stdcall convention, which a
// lambda cannot carry.
BOOL CALLBACK set_font_of_child(HWND child, LPARAM font) {
    SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

class AboutWindow : public Window {
public:
    explicit AboutWindow(Hyperlink::AddressOpener opener) : opener_(std::move(opener)) {}
    ~AboutWindow() override {
        if (hwnd()) DestroyWindow(hwnd());
    }

    bool create(HWND owner) {
        if (!register_class(kAboutWindowClass, 0, GetSysColorBrush(COLOR_BTNFACE))) return false;
        const int x = (GetSystemMetrics(SM_CXSCREEN) - about::kWindowWidth) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - about::kWindowHeight) / 2;
        if (!Window::create(0, kAboutWindowClass, about::kCaption, kAboutStyle, x, y,
                            about::kWindowWidth, about::kWindowHeight, owner)) {
            return false;
        }
        create_controls();
        return true;
    }

    // Disables the rest of the program until the window closes.
    void begin_modal(HWND owner) { disabled_.emplace(hwnd(), owner); }

protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
        case WM_CLOSE:
            on_close();
            return 0;
        case WM_DESTROY:
            // Also when the window goes another way than WM_CLOSE.
            disabled_.reset();
            return 0;
        default:
            return Window::handle_message(message, wparam, lparam);
        }
    }

private:
    void on_close() {
        // The others are enabled before the window goes, so that Windows can
        // hand the activation back to the control panel instead of to some
        // other program.
        disabled_.reset();
        DestroyWindow(hwnd());
    }

    void create_label(HWND parent, int id, const char* text, Place place) {
        CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, place.x,
                        place.y, place.width, place.height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleA(nullptr), nullptr);
    }

    void create_controls() {
        create_label(hwnd(), about::id::kTitle, about::kTitleText, kTitlePlace);
        create_label(hwnd(), about::id::kSupport, about::kSupportText, kSupportPlace);
        if (picture_.create(hwnd(), about::id::kPicture, kPicturePlace.x, kPicturePlace.y,
                            kPicturePlace.width, kPicturePlace.height)) {
            create_label(picture_.hwnd(), about::id::kPictureLabel, about::kPictureLabel,
                         kPictureLabelPlace);
        }
        create_label(hwnd(), about::id::kFeedbackText, about::kFeedbackText, kFeedbackTextPlace);
        home_link_.set_address_opener(opener_);
        home_link_.create(hwnd(), about::id::kHomeLink, about::kHomeCaption, kHomeLinkPlace.x,
                          kHomeLinkPlace.y, kHomeLinkPlace.width, kHomeLinkPlace.height,
                          about::kHomeAddress);
        feedback_link_.set_address_opener(opener_);
        feedback_link_.create(hwnd(), about::id::kFeedbackLink, about::kFeedbackCaption,
                              kFeedbackLinkPlace.x, kFeedbackLinkPlace.y, kFeedbackLinkPlace.width,
                              kFeedbackLinkPlace.height, about::kFeedbackAddress);
        set_font_of_children();
    }

    void set_font_of_children() {
        auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
        EnumChildWindows(hwnd(), &set_font_of_child, static_cast<LPARAM>(font));
    }

    Hyperlink::AddressOpener opener_;
    AboutPicture picture_;
    Hyperlink home_link_;
    Hyperlink feedback_link_;
    std::optional<DisabledTopLevelWindows> disabled_;
};

// A hidden, unowned top-level window as owner: an owned window gets no
// taskbar button, and the owner itself never shows.
unique_window create_hidden_owner() {
    return unique_window(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         GetModuleHandleA(nullptr), nullptr));
}

}  // namespace

void show_about() { show_about(&open_web_address); }

void show_about(const Hyperlink::AddressOpener& opener) {
    unique_window owner = create_hidden_owner();
    if (!owner) return;
    AboutWindow window(opener);
    if (!window.create(owner.get())) return;
    ShowWindow(window.hwnd(), SW_SHOW);
    window.begin_modal(owner.get());
    run_modal_loop(window.hwnd());
}

}  // namespace tq
