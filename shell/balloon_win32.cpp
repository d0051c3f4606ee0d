#include "shell/balloon_win32.h"

#include <algorithm>
#include <array>

namespace tq {

namespace {

using namespace balloon;

constexpr int kFontPoints = 9;
constexpr int kPointsPerInch = 72;
constexpr const char* kFontFace = "宋体";
constexpr const char* kFallbackFace = "Verdana";
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr int kShadowColour = COLOR_3DSHADOW;
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
constexpr UINT kShowFlags = SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOCOPYBITS;

// The hook is per thread and the program has one balloon; the hook finds it here.
BalloonTip* g_balloon = nullptr;

bool hides_balloon(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
        case WM_MOUSEWHEEL:
        case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
        case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
        case WM_KEYDOWN: case WM_SYSKEYDOWN:
            return true;
        default:
            return false;
    }
}

int CALLBACK note_font_found(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool font_face_installed(const char* face) {
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    window_dc screen(nullptr);
    EnumFontFamiliesExA(screen.get(), &wanted, note_font_found, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

unique_font make_font() {
    int pixels_per_inch = kPointsPerInch;
    {
        window_dc screen(nullptr);
        if (screen.get()) pixels_per_inch = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    const char* face = font_face_installed(kFontFace) ? kFontFace : kFallbackFace;
    return unique_font{CreateFontA(-MulDiv(kFontPoints, pixels_per_inch, kPointsPerInch), 0, 0, 0,
                                   FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, face)};
}

BalloonRect virtual_screen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

unique_region make_outline(const BalloonLayout& layout) {
    unique_region body{CreateRoundRectRgn(layout.body.left, layout.body.top, layout.body.right,
                                          layout.body.bottom, kCornerWidth, kCornerHeight)};
    std::array<POINT, 3> corners{};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        corners[i] = POINT{layout.pointer[i].x, layout.pointer[i].y};
    }
    unique_region pointer{CreatePolygonRgn(corners.data(), static_cast<int>(corners.size()), WINDING)};
    if (!body || !pointer) return unique_region{};
    CombineRgn(body.get(), body.get(), pointer.get(), RGN_OR);
    return body;
}

// Paint calls go between these two; EndPaint also gives back the DC.
class paint_scope {
public:
    explicit paint_scope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~paint_scope() { EndPaint(window_, &paint_); }
    paint_scope(const paint_scope&) = delete;
    paint_scope& operator=(const paint_scope&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

}  // namespace

BalloonTip::~BalloonTip() { destroy(); }

bool BalloonTip::create() {
    if (hwnd()) return true;
    if (!register_class(kClassName, CS_SAVEBITS, nullptr)) return false;
    if (!Window::create(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, "", WS_POPUP, 0, 0, 0, 0,
                        nullptr)) {
        return false;
    }
    window_.reset(hwnd());
    font_ = make_font();
    g_balloon = this;
    hook_.reset(SetWindowsHookExA(WH_GETMESSAGE, &BalloonTip::message_hook, nullptr,
                                  GetCurrentThreadId()));
    return true;
}

void BalloonTip::destroy() {
    hook_.reset();
    if (g_balloon == this) g_balloon = nullptr;
    window_.reset();
}

void BalloonTip::on_destroyed() {
    // Destroyed from outside (or by destroy): the handle is gone already.
    window_.release();
}

bool BalloonTip::is_shown() const { return hwnd() && IsWindowVisible(hwnd()); }

void BalloonTip::hide_balloon() {
    if (is_shown()) ShowWindow(hwnd(), SW_HIDE);
}

SIZE BalloonTip::measure_text() const {
    // A segment wider than the screen wraps instead of running off it.
    const BalloonRect screen = virtual_screen();
    const LONG widest = std::max<LONG>(1, screen.width() - 2 * kTextMarginX - kShadowX);
    RECT extent{0, 0, widest, 0};
    window_dc dc(hwnd());
    selected_object font(dc.get(), font_.get());
    DrawTextA(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &extent,
              kTextFormat | DT_CALCRECT);
    return SIZE{extent.right - extent.left, extent.bottom - extent.top};
}

void BalloonTip::show_balloon(std::int32_t x, std::int32_t y, const Text& text) {
    if (!hwnd()) return;
    hide_balloon();
    anchor_ = {x, y};
    text_ = text;
    if (text_.empty()) return;

    const SIZE extent = measure_text();
    layout_ = place_balloon(anchor_, extent.cx + 2 * kTextMarginX, extent.cy + 2 * kTextMarginY,
                            virtual_screen());
    outline_ = make_outline(layout_);
    if (!outline_) return;
    unique_region shape{CreateRectRgn(0, 0, 0, 0)};
    unique_region shadow{CreateRectRgn(0, 0, 0, 0)};
    if (!shape || !shadow) return;
    CombineRgn(shadow.get(), outline_.get(), nullptr, RGN_COPY);
    OffsetRgn(shadow.get(), kShadowX, kShadowY);
    CombineRgn(shape.get(), outline_.get(), shadow.get(), RGN_OR);
    // The window owns its region from here on.
    if (SetWindowRgn(hwnd(), shape.get(), FALSE)) shape.release();

    SetWindowPos(hwnd(), HWND_TOPMOST, layout_.window.left, layout_.window.top,
                 layout_.window.width(), layout_.window.height(), kShowFlags);
    InvalidateRect(hwnd(), nullptr, TRUE);
    UpdateWindow(hwnd());
}

void BalloonTip::on_paint() {
    paint_scope paint(hwnd());
    if (!paint.dc() || !outline_) return;
    unique_region shadow{CreateRectRgn(0, 0, 0, 0)};
    if (shadow) {
        CombineRgn(shadow.get(), outline_.get(), nullptr, RGN_COPY);
        OffsetRgn(shadow.get(), kShadowX, kShadowY);
        FillRgn(paint.dc(), shadow.get(), GetSysColorBrush(kShadowColour));
    }
    FillRgn(paint.dc(), outline_.get(), GetSysColorBrush(COLOR_INFOBK));
    FrameRgn(paint.dc(), outline_.get(), GetSysColorBrush(COLOR_INFOTEXT), kFrameWidth,
             kFrameHeight);

    RECT text_box{layout_.text.left, layout_.text.top, layout_.text.right, layout_.text.bottom};
    selected_object font(paint.dc(), font_.get());
    SetBkMode(paint.dc(), TRANSPARENT);
    SetTextColor(paint.dc(), kTextColour);
    DrawTextA(paint.dc(), text_.c_str(), static_cast<int>(text_.size()), &text_box, kTextFormat);
}

LRESULT BalloonTip::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
            on_paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers the whole shape
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;  // a click must not take the focus from the user's program
        case WM_ACTIVATEAPP:
            if (!wparam) hide_balloon();
            return 0;
        default:
            return Window::handle_message(message, wparam, lparam);
    }
}

LRESULT CALLBACK BalloonTip::message_hook(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HC_ACTION && g_balloon) {
        const auto* msg = reinterpret_cast<const MSG*>(lparam);
        if (msg && hides_balloon(msg->message)) g_balloon->hide_balloon();
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace tq
