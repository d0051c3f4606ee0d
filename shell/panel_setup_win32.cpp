// The control panel's start-up and its three numeric fields.
#include <windows.h>

#include <commctrl.h>

#include "settings/config_rules.h"
#include "settings/default_tray_icon_win32.h"
#include "settings/field_input.h"
#include "settings/tray_picture.h"
#include "shell/control_ids.h"
#include "shell/control_panel_win32.h"
#include "shell/hotkey_hook_win32.h"
#include "shell/panel_layout.h"

namespace tq {

namespace {

int field_for_spinner(int spinner_id) {
    switch (spinner_id) {
        case id::kWidthSpin: return id::kWidthEdit;
        case id::kDwellSpin: return id::kDwellEdit;
        case id::kJumpSpin: return id::kJumpEdit;
        default: return 0;
    }
}

}  // namespace

// The start-up order is fixed here, in one place.
void ControlPanel::control_panel_setup() {
    // 1. The configuration file beside the program, created empty if missing.
    open_config(state_);
    // 2. The tray picture into "图片框1": the saved file, else the built-in icon.
    tray_picture_ = load_tray_picture(config_, picture_files_, default_tray_icon());
    InvalidateRect(control(id::kPicture), nullptr, TRUE);
    // 3. The folder of "文件框1" (the desktop unless one was chosen).
    if (book_list_)
        book_list_->set_folder(
            config_.read_config_value(kSettingsSection, kFolderKey, desktop_folder_default()));
    // 4. and 5. The two stored numbers; each write runs the field's change
    // handling, which validates, stores, and for the dwell time arms the timer.
    write_field(id::kWidthEdit, config_.read_config_value(kSettingsSection, kWidthKey, Text("2")));
    write_field(id::kDwellEdit, config_.read_config_value(kSettingsSection, kDwellKey, Text("1")));
    // 6. The list's folder, read back, into "当前目录文件夹".
    if (book_list_) set_control_text(id::kFolderEdit, book_list_->folder());
    // 7. The tray icon with the picture and no tip.
    tray_.set_tray_icon(tray_picture_, std::nullopt);
    // 8. The cursor at (0, 0).
    state_.current_line = 0;
    state_.current_segment = 0;
    // 9. The low-level keyboard hook, unless one is installed.
    install_hotkey_hook(hwnd());
}

void ControlPanel::attach_fields() {
    width_text_.attach(control(id::kWidthEdit));
    dwell_text_.attach(control(id::kDwellEdit));
    jump_text_.attach(control(id::kJumpEdit));
    if (const HWND list = control(id::kFileList)) {
        book_list_.emplace(list);
        folder_controls_.emplace(control(id::kFolderEdit), *book_list_);
    }
    for (const int field : {id::kWidthEdit, id::kDwellEdit, id::kJumpEdit}) update_spinner_range(field);
    // From here on a change of a field's text is a change to handle; the texts
    // the fields were created with are not.
    fields_ready_ = true;
}

NumericField* ControlPanel::field_for(int control_id) {
    switch (control_id) {
        case id::kWidthEdit: return &width_field_;
        case id::kDwellEdit: return &dwell_field_;
        case id::kJumpEdit: return &jump_field_;
        default: return nullptr;
    }
}

void ControlPanel::write_field(int control_id, const Text& text) {
    // WM_SETTEXT makes the edit control send EN_CHANGE before it returns, so
    // the handling runs inside the write. Should a control not send it (an
    // unchanged text), the write still counts as a change: run it here.
    const int before = field_change_count_;
    set_control_text(control_id, text);
    if (field_change_count_ == before) on_field_changed(control_id);
}

void ControlPanel::on_field_changed(int control_id) {
    if (!fields_ready_) return;
    ++field_change_count_;
    switch (control_id) {
        case id::kWidthEdit: apply_segment_width(width_field_, config_); break;
        case id::kDwellEdit: apply_dwell_time(dwell_field_, timer_, config_); break;
        case id::kJumpEdit: apply_jump_line(jump_field_); break;
        default: break;
    }
}

LRESULT ControlPanel::on_spin(int spinner_id, int delta) {
    const int field_id = field_for_spinner(spinner_id);
    NumericField* field = field_for(field_id);
    if (!field || delta == 0) return TRUE;
    const SpinDirection direction = delta > 0 ? SpinDirection::Up : SpinDirection::Down;
    write_field(field_id, spinner_step(control_text(field_id), field->limits(), direction));
    const HWND edit = control(field_id);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    return TRUE;  // the control's own position is not used
}

void ControlPanel::update_spinner_range(int control_id) {
    const NumericField* field = field_for(control_id);
    const HWND spin = control(spinner_id_for(control_id));
    if (!field || !spin) return;
    const SpinnerRange range = spinner_range(field->limits());
    SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(range.maximum, range.minimum));
}

std::int32_t ControlPanel::segment_width() const { return text_to_int(control_text(id::kWidthEdit)); }
std::int32_t ControlPanel::dwell_seconds() const { return text_to_int(control_text(id::kDwellEdit)); }
std::int32_t ControlPanel::jump_target() const { return text_to_int(control_text(id::kJumpEdit)); }

}  // namespace tq
