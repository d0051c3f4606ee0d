#include "shell/control_panel_win32.h"

#include <commctrl.h>

#include "shell/control_ids.h"
#include "shell/panel_layout.h"
#include "shell/status_hints.h"

namespace tq {

namespace {

constexpr const char* kPanelClass = "TarnquilControlPanel";
constexpr DWORD kPanelStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_MINIMIZEBOX;
constexpr UINT_PTR kChildSubclassId = 1;

constexpr const char* kHotkeyHelpTitle = "快捷键";
constexpr const char* kHotkeyHelpText =
    "上一页：Ctrl + ←（左箭头）\r\n下一页：Ctrl + →（右箭头）\r\n暂停：Ctrl + ↑（上箭头）\r\n"
    "开始：Ctrl + ↓（下箭头）\r\n退出：Ctrl + M";

struct WindowClassAndStyle {
    const char* class_name;
    DWORD style;
};

WindowClassAndStyle class_and_style(const ControlSpec& spec) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (spec.kind) {
        case ControlKind::Label: return {"STATIC", kChild};
        // SS_NOTIFY makes a label take mouse messages, so its hint can show.
        case ControlKind::HintLabel: return {"STATIC", kChild | SS_NOTIFY};
        case ControlKind::Edit: return {"EDIT", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL};
        case ControlKind::NumericEdit:
            return {"EDIT", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL};
        case ControlKind::Button: return {"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON};
        case ControlKind::Radio: return {"BUTTON", kChild | WS_TABSTOP | BS_AUTORADIOBUTTON};
        case ControlKind::GroupBox: return {"BUTTON", kChild | BS_GROUPBOX};
        case ControlKind::ListBox:
            return {"LISTBOX", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_SORT | LBS_NOTIFY |
                                   LBS_NOINTEGRALHEIGHT};
        case ControlKind::Picture: return {"STATIC", kChild | SS_NOTIFY | SS_OWNERDRAW};
        case ControlKind::Hyperlink: return {"STATIC", kChild | SS_NOTIFY};
        case ControlKind::StatusBar:
            return {STATUSCLASSNAMEA, kChild | CCS_NOPARENTALIGN | CCS_NORESIZE};
    }
    return {"STATIC", kChild};
}

bool forwards_notifications(ControlKind kind) { return kind == ControlKind::GroupBox; }
bool has_hint(int control_id) { return status_hint_for_control(control_id) != nullptr; }

}  // namespace

ControlPanel::ControlPanel(ReadingState& state) : state_(state) {}

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
        case WM_TIMER:
            on_timer(wparam);
            return 0;
        case WM_MOUSEMOVE:
            set_status_hint(kWindowHint);
            return 0;
        case WM_DESTROY:
            on_destroy();
            return 0;
        default:
            if (message == kDestroyPanelMessage) {
                DestroyWindow(hwnd());
                return 0;
            }
            return Window::handle_message(message, wparam, lparam);
    }
}

void ControlPanel::on_create() {
    timer_.attach(hwnd());
    create_controls();
    control_panel_setup();
}

void ControlPanel::create_controls() {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlSpec& spec : control_panel_layout()) {
        const HWND parent = spec.parent_id == 0 ? hwnd() : control(spec.parent_id);
        auto [class_name, style] = class_and_style(spec);
        if (spec.first_of_group) style |= WS_GROUP;
        if (spec.initially_disabled) style |= WS_DISABLED;
        const HWND child = CreateWindowExA(
            0, class_name, spec.text, style, spec.x, spec.y, spec.width, spec.height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), GetModuleHandleA(nullptr), nullptr);
        if (!child) continue;
        controls_[spec.id] = child;
        SendMessageA(child, WM_SETFONT, font, FALSE);
        if (forwards_notifications(spec.kind) || has_hint(spec.id))
            SetWindowSubclass(child, &ControlPanel::child_proc, kChildSubclassId,
                              reinterpret_cast<DWORD_PTR>(this));
        if (const int spinner = spinner_id_for(spec.id)) {
            // No buddy: the spinner's arithmetic is the field's own, and a buddy
            // would shrink the field out of its place in the layout.
            const HWND spin = CreateWindowExA(
                0, UPDOWN_CLASSA, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                spec.x + spec.width, spec.y, kSpinnerWidth, spec.height, parent,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(spinner)), GetModuleHandleA(nullptr),
                nullptr);
            if (spin) controls_[spinner] = spin;
        }
        if (spec.kind == ControlKind::StatusBar) {
            int right_edges[] = {-1};  // one panel reaching to the right end
            SendMessageA(child, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(right_edges));
            SendMessageA(child, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kInitialStatusText));
        }
    }
}

// The start-up order is fixed here, in one place.
void ControlPanel::control_panel_setup() {
    // 1. The configuration file beside the program, created empty if missing.
    // 2. The tray picture into "图片框1".
    // 3. The folder of "文件框1" from "文件框".
    // 4. "单次显示字数" from its key (its change handling validates and stores).
    // 5. "停留时间" from its key (its change handling also arms the timer).
    // 6. The list's folder into "当前目录文件夹".
    // 7. The tray icon with the picture of "图片框1" and an empty tip.
    // 8. The cursor at (0, 0).
    state_.current_line = 0;
    state_.current_segment = 0;
    // 9. The low-level keyboard hook.
}

void ControlPanel::on_command(int control_id, int /*code*/) {
    switch (control_id) {
        case id::kHotkeyHelp: show_hotkey_help(); break;
        case id::kQuit: destroy_panel(); break;
        case menu::kShowPanel: show_panel(); break;
        case menu::kQuit: destroy_panel(); break;
        default: break;
    }
}

LRESULT ControlPanel::on_notify(const NMHDR& /*header*/) { return 0; }

void ControlPanel::on_timer(UINT_PTR /*timer_id*/) {}

void ControlPanel::on_destroy() {
    timer_.set_period(0);
    PostQuitMessage(0);
}

void ControlPanel::on_control_mouse_move(int control_id) {
    if (const char* hint = status_hint_for_control(control_id)) set_status_hint(hint);
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
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
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

void ControlPanel::show_hotkey_help() {
    boxes_.show(kHotkeyHelpText, kHotkeyHelpTitle, MessageButtons::Ok, MessageIcon::None);
}

void ControlPanel::destroy_panel() {
    // Posted, so that the destruction happens after the current handler returns.
    PostMessageA(hwnd(), kDestroyPanelMessage, 0, 0);
}

std::int32_t ControlPanel::segment_width() const { return text_to_int(control_text(id::kWidthEdit)); }
std::int32_t ControlPanel::dwell_seconds() const { return text_to_int(control_text(id::kDwellEdit)); }
std::int32_t ControlPanel::jump_target() const { return text_to_int(control_text(id::kJumpEdit)); }

DisplayMode ControlPanel::checked_mode() const {
    if (SendMessageA(control(id::kModeTray), BM_GETCHECK, 0, 0) == BST_CHECKED) return DisplayMode::TrayTip;
    if (SendMessageA(control(id::kModeBalloon), BM_GETCHECK, 0, 0) == BST_CHECKED) return DisplayMode::Balloon;
    if (SendMessageA(control(id::kModeCaption), BM_GETCHECK, 0, 0) == BST_CHECKED) return DisplayMode::Caption;
    return DisplayMode::None;
}

void ControlPanel::show_in_tray(const Text& /*tip*/) {}
void ControlPanel::show_in_balloon(std::int32_t, std::int32_t, const Text&) {}
void ControlPanel::show_in_caption(const Text& text) { set_panel_caption(text); }

}  // namespace tq
