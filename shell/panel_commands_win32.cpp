// What each button, menu item, tray notification and hot key of the control
// panel does, and the panel's side of the small interfaces it lends out.
#include <windows.h>

#include <commctrl.h>

#include "books/book_list.h"
#include "books/folder_dialogs_win32.h"
#include "settings/default_tray_icon_win32.h"
#include "settings/tray_picture.h"
#include "shell/about_window_win32.h"
#include "shell/control_ids.h"
#include "shell/control_panel_win32.h"
#include "shell/hotkey_hook_win32.h"
#include "shell/hotkey_logic.h"
#include "shell/tray_menu.h"
#include "shell/tray_menu_win32.h"

namespace tq {

namespace {

constexpr const char* kHotkeyHelpTitle = "快捷键";
constexpr const char* kHotkeyHelpText =
    "上一页：Ctrl + ←（左箭头）\r\n下一页：Ctrl + →（右箭头）\r\n暂停：Ctrl + ↑（上箭头）\r\n"
    "开始：Ctrl + ↓（下箭头）\r\n退出：Ctrl + M";
constexpr const char* kPausedTip = "已暂停";

}  // namespace

void ControlPanel::on_command(int control_id, int code) {
    if (code == EN_CHANGE) {
        on_field_changed(control_id);
        return;
    }
    if (control_id == id::kFileList) {
        // Only a selection the user makes sends LBN_SELCHANGE; refills do not.
        if (code == LBN_SELCHANGE) update_bookmark_button(*this, config_, *this);
        return;
    }
    if (const auto command = tray_menu_command(control_id)) {
        switch (*command) {
            case TrayMenuCommand::StepBack: reader_.step_back(); break;
            case TrayMenuCommand::StepForward: reader_.step_forward(); break;
            case TrayMenuCommand::StopTimer: reader_.stop_timer(); break;
            case TrayMenuCommand::ResumeReading: reader_.resume_reading(); break;
            case TrayMenuCommand::ExitReading: reader_.exit_reading(); break;
            case TrayMenuCommand::ShowPanel: show_panel(); break;
            case TrayMenuCommand::DestroyPanel: destroy_panel(); break;
        }
        return;
    }
    if (code != BN_CLICKED) return;
    switch (control_id) {
        case id::kStartReading: open_selected_book(); break;
        case id::kDeleteBook: {
            if (!folder_controls_) break;  // no list box: nothing to act on
            FolderDialogsWin32 dialogs(hwnd());
            BookFolderPorts ports = folder_ports(dialogs);
            delete_selected_book(ports);
            break;
        }
        case id::kRefresh:
            if (book_list_) book_list_->refresh();
            break;
        case id::kChooseFolder: {
            if (!folder_controls_) break;  // no list box: nothing to act on
            FolderDialogsWin32 dialogs(hwnd());
            BookFolderPorts ports = folder_ports(dialogs);
            choose_book_folder(ports);
            break;
        }
        case id::kImportBooks: {
            if (!folder_controls_) break;  // no list box: nothing to act on
            FolderDialogsWin32 dialogs(hwnd());
            BookFolderPorts ports = folder_ports(dialogs);
            import_books(ports);
            break;
        }
        case id::kAboutLink: show_about(); break;
        case id::kHotkeyHelp: show_hotkey_help(); break;
        case id::kQuit: quit(); break;
        case id::kExitReading: reader_.exit_reading(); break;
        case id::kSaveBookmark: save_bookmark(state_, *this, config_, boxes_); break;
        case id::kFromBookmark: start_from_bookmark(state_, *this, config_); break;
        case id::kPreviousPage: reader_.step_back(); break;
        case id::kNextPage: reader_.step_forward(); break;
        case id::kJump: reader_.jump_to_line(); break;
        case id::kChoosePicture: choose_picture(); break;
        default: break;
    }
}

LRESULT ControlPanel::on_notify(const NMHDR& header) {
    if (header.code == UDN_DELTAPOS) {
        const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
        return on_spin(static_cast<int>(header.idFrom), change.iDelta);
    }
    return 0;
}

void ControlPanel::on_tray_notification(LPARAM lparam) {
    if (const auto event = tray_event_from_notification(static_cast<std::uintptr_t>(lparam)))
        handle_tray_event(*event, state_, *this);
}

void ControlPanel::on_hotkey(WPARAM wparam, LPARAM lparam) {
    const auto event = decode_hotkey_message(wparam, lparam);
    if (!event) return;
    switch (hotkey_command(event->modifier, event->key, event->transition, reader_.is_reading())) {
        case HotkeyCommand::None: break;
        case HotkeyCommand::StepBack: reader_.step_back(); break;
        case HotkeyCommand::StepForward: reader_.step_forward(); break;
        case HotkeyCommand::Pause:
            reader_.stop_timer();
            // The built-in picture, not the user's: the paused state looks the
            // same whatever picture was chosen.
            tray_.set_tray_icon(default_tray_icon(), Text(kPausedTip));
            break;
        case HotkeyCommand::Resume: reader_.resume_reading(); break;
        case HotkeyCommand::Quit: quit(); break;
    }
}

void ControlPanel::open_selected_book() {
    open_book(reader_, *this, selected_book_path(control_text(id::kFolderEdit), selected_name()), book_files_,
              codec_, *this, boxes_);
}

void ControlPanel::choose_picture() {
    Win32IconFileDialog dialog(hwnd());
    tray_picture_ = choose_tray_picture(dialog, picture_files_, config_);
    InvalidateRect(control(id::kPicture), nullptr, TRUE);
}

void ControlPanel::quit() {
    remove_hotkey_hook();
    destroy_panel();
}

void ControlPanel::show_hotkey_help() {
    boxes_.show(kHotkeyHelpText, kHotkeyHelpTitle, MessageButtons::Ok, MessageIcon::None);
}

BookFolderPorts ControlPanel::folder_ports(FolderDialogs& dialogs) {
    return BookFolderPorts{dialogs, folder_files_, *folder_controls_, config_, boxes_};
}

DisplayMode ControlPanel::checked_mode() const {
    const auto checked = [this](int control_id) {
        return SendMessageA(control(control_id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    if (checked(id::kModeTray)) return DisplayMode::TrayTip;
    if (checked(id::kModeBalloon)) return DisplayMode::Balloon;
    if (checked(id::kModeCaption)) return DisplayMode::Caption;
    return DisplayMode::None;
}

void ControlPanel::show_in_tray(const Text& tip) { tray_.set_tray_icon(tray_picture_, tip); }
void ControlPanel::show_in_balloon(std::int32_t x, std::int32_t y, const Text& text) {
    balloon_.show_balloon(x, y, text);
}
void ControlPanel::show_in_caption(const Text& text) { set_panel_caption(text); }

void ControlPanel::set_jump_caption(const Text& caption) { set_control_text(id::kLabelJump, caption); }
void ControlPanel::set_jump_text(const Text& text) { write_field(id::kJumpEdit, text); }
void ControlPanel::set_jump_upper_limit(std::int32_t line_count) {
    jump_field_.set_upper_limit(line_count);
    update_spinner_range(id::kJumpEdit);
}

Text ControlPanel::selected_name() const { return book_list_ ? book_list_->selected_name() : Text(); }

void ControlPanel::set_enabled(bool enabled) { EnableWindow(control(id::kFromBookmark), enabled); }

ScreenPoint ControlPanel::cursor_position() const {
    POINT point{};
    GetCursorPos(&point);
    return ScreenPoint{point.x, point.y};
}
bool ControlPanel::is_reading() const { return reader_.is_reading(); }
void ControlPanel::show_and_rearm() { reader_.show_and_rearm(); }
void ControlPanel::show_tray_menu(ScreenPoint at) { tq::show_tray_menu(hwnd(), POINT{at.x, at.y}); }

}  // namespace tq
