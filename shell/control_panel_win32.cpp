#include "shell/control_panel_win32.h"

#include <commctrl.h>

#include "settings/field_input.h"
#include "shell/control_ids.h"
#include "shell/ico_win32.h"
#include "shell/panel_layout.h"
#include "shell/status_hints.h"

namespace tq {

namespace {

constexpr const char* kPanelClass = "TarnquilControlPanel";
constexpr DWORD kPanelStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_MINIMIZEBOX;
constexpr UINT_PTR kChildSubclassId = 1;
constexpr int kPictureIconWidth = 32;

struct WindowClassAndStyle {
    const char* class_name;
    DWORD style;
};

WindowClassAndStyle class_and_style(const ControlSpec& entry) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (entry.kind) {
        case ControlKind::Label: return {"STATIC", kChild};
        // SS_NOTIFY makes a label take mouse messages, so its hint can show.
        case ControlKind::HintLabel: return {"STATIC", kChild | SS_NOTIFY};
        case ControlKind::Edit:
        case ControlKind::NumericEdit:
            return {"EDIT", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL};
        case ControlKind::Button: return {"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON};
        case ControlKind::Radio: return {"BUTTON", kChild | WS_TABSTOP | BS_AUTORADIOBUTTON};
        case ControlKind::GroupBox: return {"BUTTON", kChild | BS_GROUPBOX};
        case ControlKind::ListBox:
            return {"LISTBOX", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_SORT | LBS_NOTIFY |
                                   LBS_NOINTEGRALHEIGHT};
        // A thin border: the built-in picture is light grey on a light-grey face.
        case ControlKind::Picture: return {"STATIC", kChild | WS_BORDER | SS_NOTIFY | SS_OWNERDRAW};
        case ControlKind::Hyperlink: return {"STATIC", kChild | SS_NOTIFY};  // made by Hyperlink
        case ControlKind::StatusBar:
            return {STATUSCLASSNAMEA, kChild | CCS_NOPARENTALIGN | CCS_NORESIZE};
    }
    return {"STATIC", kChild};
}

bool is_numeric_field(int control_id) {
    return control_id == id::kWidthEdit || control_id == id::kDwellEdit || control_id == id::kJumpEdit;
}

// Group boxes pass their children's notifications up; controls with a hint
// report mouse moves; numeric fields filter typed characters.
bool needs_subclass(const ControlSpec& entry) {
    return entry.kind == ControlKind::GroupBox || status_hint_for_control(entry.id) != nullptr ||
           is_numeric_field(entry.id);
}

}  // namespace

ControlPanel::ControlPanel(ReadingState& state)
    : state_(state),
      reader_(state, timer_, *this, *this, boxes_),
      config_(state) {}

ControlPanel::~ControlPanel() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool ControlPanel::create_and_show() {
    if (!register_class(kPanelClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                        LoadIconA(GetModuleHandleA(nullptr), "APP_ICON")))
        return false;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kPanelWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kPanelHeight) / 2;
    if (!create(0, kPanelClass, kPanelCaption, kPanelStyle, x, y, kPanelWidth, kPanelHeight,
                nullptr))
        return false;
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
    return true;
}

LRESULT ControlPanel::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            on_create();
            return 0;
        case WM_CLOSE:
            // The close box, Alt+F4 and the system menu only hide the panel: the
            // program lives on in the tray until the user quits.
            hide_panel();
            return 0;
        case WM_COMMAND:
            on_command(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_NOTIFY:
            return on_notify(*reinterpret_cast<const NMHDR*>(lparam));
        case WM_DRAWITEM:
            if (wparam == static_cast<WPARAM>(id::kPicture)) {
                on_draw_picture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
                return TRUE;
            }
            break;
        case WM_TIMER:
            if (wparam == WindowTimer::kTimerId) reader_.timer_tick();
            return 0;
        case WM_MOUSEMOVE:
            set_status_hint(kWindowHint);
            return 0;
        case WM_DESTROY:
            on_destroy();
            return 0;
        default:
            break;
    }
    if (message == kDestroyPanelMessage) {
        DestroyWindow(hwnd());
        return 0;
    }
    if (message == kTrayCallbackMessage) {
        on_tray_notification(lparam);
        return 0;
    }
    if (message == kHotkeyMessage) {
        on_hotkey(wparam, lparam);
        return 0;
    }
    if (message == TrayIcon::taskbar_created_message() && message != 0) {
        tray_.on_taskbar_created();
        return 0;
    }
    return Window::handle_message(message, wparam, lparam);
}

void ControlPanel::on_create() {
    timer_.attach(hwnd());
    tray_.attach(hwnd());
    balloon_.create();  // without it, the balloon mode shows nothing
    create_controls();
    attach_fields();
    control_panel_setup();
}

void ControlPanel::create_controls() {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlSpec& entry : control_panel_layout()) {
        const HWND parent = entry.parent_id == 0 ? hwnd() : control(entry.parent_id);
        HWND child = nullptr;
        if (entry.kind == ControlKind::Hyperlink) {
            // The link has no address: a press only tells the panel (WM_COMMAND).
            if (about_link_.create(parent, entry.id, entry.text, entry.x, entry.y, entry.width,
                                   entry.height))
                child = about_link_.hwnd();
        } else {
            auto [class_name, style] = class_and_style(entry);
            if (entry.first_of_group) style |= WS_GROUP;
            if (entry.initially_disabled) style |= WS_DISABLED;
            child = CreateWindowExA(0, class_name, entry.text, style, entry.x, entry.y, entry.width,
                                    entry.height, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                                    GetModuleHandleA(nullptr), nullptr);
        }
        if (!child) continue;
        controls_[entry.id] = child;
        SendMessageA(child, WM_SETFONT, font, FALSE);
        if (needs_subclass(entry))
            SetWindowSubclass(child, &ControlPanel::child_proc, kChildSubclassId,
                              reinterpret_cast<DWORD_PTR>(this));
        if (const int spinner = spinner_id_for(entry.id)) {
            // No buddy: the spinner's arithmetic is the field's own, and a buddy
            // would shrink the field out of its place in the layout.
            const HWND spin = CreateWindowExA(
                0, UPDOWN_CLASSA, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                entry.x + entry.width, entry.y, kSpinnerWidth, entry.height, parent,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(spinner)), GetModuleHandleA(nullptr),
                nullptr);
            if (spin) controls_[spinner] = spin;
        }
        if (entry.kind == ControlKind::StatusBar) {
            int right_edges[] = {-1};  // one panel reaching to the right end
            SendMessageA(child, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(right_edges));
            SendMessageA(child, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kInitialStatusText));
        }
    }
}

void ControlPanel::on_destroy() {
    timer_.set_period(0);
    tray_.remove();
    balloon_.destroy();
    PostQuitMessage(0);
}

void ControlPanel::on_control_mouse_move(int control_id) {
    if (const char* hint = status_hint_for_control(control_id)) set_status_hint(hint);
}

void ControlPanel::on_draw_picture(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const unique_icon icon = icon_from_ico_bytes(tray_picture_, kPictureIconWidth);
    if (!icon) return;  // an empty or unusable picture leaves the box blank
    DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon.get(),
               item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top, 0,
               nullptr, DI_NORMAL);
}

LRESULT CALLBACK ControlPanel::child_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                          UINT_PTR /*subclass_id*/, DWORD_PTR ref) {
    auto* panel = reinterpret_cast<ControlPanel*>(ref);
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            // A group box would swallow its children's notifications; the panel
            // handles them as if the children were its own.
            if (panel->hwnd()) return SendMessageA(panel->hwnd(), message, wparam, lparam);
            break;
        case WM_CHAR:
            if (is_numeric_field(GetDlgCtrlID(hwnd)) &&
                !typed_character_passes(static_cast<std::uint32_t>(wparam)))
                return 0;  // dropped; pasted text is not filtered
            break;
        case WM_MOUSEMOVE:
            panel->on_control_mouse_move(GetDlgCtrlID(hwnd));
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &ControlPanel::child_proc, kChildSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

HWND ControlPanel::control(int control_id) const {
    const auto it = controls_.find(control_id);
    return it == controls_.end() ? nullptr : it->second;
}

Text ControlPanel::control_text(int control_id) const {
    const HWND window = control(control_id);
    if (!window) return {};
    Text text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void ControlPanel::set_control_text(int control_id, const Text& text) {
    if (const HWND window = control(control_id)) SetWindowTextA(window, text.c_str());
}

void ControlPanel::set_panel_caption(const Text& caption) { SetWindowTextA(hwnd(), caption.c_str()); }
void ControlPanel::show_panel() { ShowWindow(hwnd(), SW_SHOW); }
void ControlPanel::hide_panel() { ShowWindow(hwnd(), SW_HIDE); }

void ControlPanel::set_status_hint(const Text& text) {
    SendMessageA(control(id::kStatusBar), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ControlPanel::destroy_panel() {
    // Posted, so that the destruction happens after the current handler returns.
    PostMessageA(hwnd(), kDestroyPanelMessage, 0, 0);
}

}  // namespace tq
