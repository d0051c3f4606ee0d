#include "shell/hyperlink_win32.h"

#include "shell/hyperlink_open_win32.h"

namespace tq {
namespace {

constexpr const char* kHyperlinkClass = "TarnquilHyperlink";


// The parent's own background, so the link sits on it like a label.
HBRUSH parent_background(HWND window) {
    HWND parent = GetParent(window);
    auto brush = parent ? reinterpret_cast<HBRUSH>(GetClassLongPtrA(parent, GCLP_HBRBACKGROUND))
                        : nullptr;
    // A class brush may also be a system colour index plus one.
    if (reinterpret_cast<INT_PTR>(brush) > 0 && reinterpret_cast<INT_PTR>(brush) <= COLOR_MENUHILIGHT + 1) {
        return GetSysColorBrush(static_cast<int>(reinterpret_cast<INT_PTR>(brush) - 1));
    }
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace

Hyperlink::~Hyperlink() {
    // The window procedure reaches this object through the window; the window
    // must not outlive it.
    if (hwnd()) DestroyWindow(hwnd());
}

bool Hyperlink::create(HWND parent, int control_id, const char* caption, int x, int y,
                       int width, int height, std::string address, PressHandler on_press) {
    address_ = std::move(address);
    on_press_ = std::move(on_press);
    if (!opener_) opener_ = &open_web_address;
    if (!register_class(kHyperlinkClass, 0, nullptr)) return false;
    if (!Window::create(0, kHyperlinkClass, caption, WS_CHILD | WS_VISIBLE, x, y, width, height,
                        parent)) {
        return false;
    }
    SetWindowLongPtrA(hwnd(), GWLP_ID, control_id);
    auto parent_font = reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
    on_set_font(parent_font);
    return true;
}

void Hyperlink::set_visited(bool visited) {
    if (visited_ == visited) return;
    visited_ = visited;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

COLORREF Hyperlink::text_colour() const {
    if (hovering_) return kLinkHoverColour;
    return visited_ ? kLinkVisitedColour : kLinkColour;
}

LRESULT Hyperlink::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        on_paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the whole client area
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN:
        on_left_button_down();
        return 0;
    case WM_MOUSEMOVE:
        on_mouse_move();
        return 0;
    case WM_MOUSELEAVE:
        on_mouse_leave();
        return 0;
    case WM_SETFONT:
        on_set_font(reinterpret_cast<HFONT>(wparam));
        if (LOWORD(lparam)) InvalidateRect(hwnd(), nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(underlined_font_.get());
    default:
        return Window::handle_message(message, wparam, lparam);
    }
}

void Hyperlink::on_set_font(HFONT font) {
    // The link keeps an underlined copy of the font it is given (or of the
    // default GUI font), so the caller's font stays the caller's.
    LOGFONTA face{};
    HGDIOBJ source = font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT);
    if (!GetObjectA(source, sizeof face, &face)) return;
    face.lfUnderline = TRUE;
    unique_font underlined(CreateFontIndirectA(&face));
    if (underlined) underlined_font_ = std::move(underlined);
}

void Hyperlink::on_paint() {
    paint_dc dc(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(dc.get(), &client, parent_background(hwnd()));

    char caption[256] = {};
    GetWindowTextA(hwnd(), caption, sizeof caption);
    HGDIOBJ font = underlined_font_ ? static_cast<HGDIOBJ>(underlined_font_.get())
                                    : GetStockObject(DEFAULT_GUI_FONT);
    selected_object chosen(dc.get(), font);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), text_colour());
    // DT_NOPREFIX: an "&" in a caption ("关于&问题反馈") is shown as itself,
    // since the link takes no keyboard focus and so has no mnemonic to mark.
    DrawTextA(dc.get(), caption, -1, &client, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void Hyperlink::on_left_button_down() {
    // Copies: the parent's handling may destroy this window (and this object).
    HWND self = hwnd();
    HWND parent = GetParent(self);
    const int id = GetDlgCtrlID(self);
    const std::string address = address_;
    AddressOpener opener = opener_;

    if (!address.empty() && opener && opener(address)) set_visited(true);
    if (on_press_) {
        PressHandler handler = on_press_;
        handler();
    }
    if (IsWindow(self) && parent) {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, kHyperlinkPressed),
                     reinterpret_cast<LPARAM>(self));
    }
}

void Hyperlink::on_mouse_move() {
    if (hovering_) return;
    hovering_ = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&track);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void Hyperlink::on_mouse_leave() {
    hovering_ = false;
    InvalidateRect(hwnd(), nullptr, TRUE);
}

}  // namespace tq
