// The control panel "控制面板": the program's one main window. It creates its
// controls from the layout table, runs the start-up set-up, and turns clicks,
// field changes, timer events, tray notifications and hot keys into the
// operations of the reading core, the books, the settings and the shell.
//
// The class is split over three files: control_panel_win32.cpp (the window,
// its controls and the message switch), panel_setup_win32.cpp (start-up and
// the numeric fields) and panel_commands_win32.cpp (what each command does).
#pragma once

#include <windows.h>

#include <map>
#include <optional>

#include "books/book_file_win32.h"
#include "books/book_list_controls_win32.h"
#include "books/book_list_win32.h"
#include "books/codec_win32.h"
#include "books/file_ops_win32.h"
#include "books/folder_ops.h"
#include "books/open_book.h"
#include "core/ports.h"
#include "core/reader.h"
#include "core/reading_state.h"
#include "settings/bookmarks.h"
#include "settings/config_file_win32.h"
#include "settings/field_text_win32.h"
#include "settings/numeric_field.h"
#include "settings/tray_picture_win32.h"
#include "shell/balloon_win32.h"
#include "shell/hyperlink_win32.h"
#include "shell/message_boxes_win32.h"
#include "shell/tray_event.h"
#include "shell/tray_icon_win32.h"
#include "shell/window_timer_win32.h"
#include "shell/window_win32.h"

namespace tq {

class ControlPanel final : public Window,
                           private ReaderControls,
                           private DisplaySinks,
                           private JumpWidgets,
                           private SelectedBook,
                           private ButtonEnabler,
                           private TrayEventPort {
public:
    explicit ControlPanel(ReadingState& state);
    ~ControlPanel() override;

    // Creates the window (control_panel_setup runs inside) and shows it.
    bool create_and_show();

    void set_panel_caption(const Text& caption);
    void show_panel();
    void hide_panel();
    void set_status_hint(const Text& text);
    void show_hotkey_help();
    void destroy_panel();

private:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

    // control_panel_win32.cpp
    void on_create();
    void create_controls();
    void on_destroy();
    void on_control_mouse_move(int control_id);
    void on_draw_picture(const DRAWITEMSTRUCT& item);
    static LRESULT CALLBACK child_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR subclass_id, DWORD_PTR ref);
    HWND control(int control_id) const;
    Text control_text(int control_id) const;
    void set_control_text(int control_id, const Text& text);

    // panel_setup_win32.cpp
    void control_panel_setup();
    void attach_fields();
    NumericField* field_for(int control_id);
    // Puts a text into a numeric field as the program does: the field's change
    // handling runs once, inside the write.
    void write_field(int control_id, const Text& text);
    void on_field_changed(int control_id);
    LRESULT on_spin(int spinner_id, int delta);
    void update_spinner_range(int control_id);

    // panel_commands_win32.cpp
    void on_command(int control_id, int code);
    LRESULT on_notify(const NMHDR& header);
    void on_tray_notification(LPARAM lparam);
    void on_hotkey(WPARAM wparam, LPARAM lparam);
    void open_selected_book();
    void choose_picture();
    void quit();
    BookFolderPorts folder_ports(FolderDialogs& dialogs);

    // ReaderControls: the fields read at the moment of use.
    std::int32_t segment_width() const override;
    std::int32_t dwell_seconds() const override;
    std::int32_t jump_target() const override;
    DisplayMode checked_mode() const override;
    // DisplaySinks.
    void show_in_tray(const Text& tip) override;
    void show_in_balloon(std::int32_t x, std::int32_t y, const Text& text) override;
    void show_in_caption(const Text& text) override;
    // JumpWidgets.
    void set_jump_caption(const Text& caption) override;
    void set_jump_text(const Text& text) override;
    void set_jump_upper_limit(std::int32_t line_count) override;
    // SelectedBook.
    Text selected_name() const override;
    // ButtonEnabler: "从书签行开始".
    void set_enabled(bool enabled) override;
    // TrayEventPort.
    ScreenPoint cursor_position() const override;
    bool is_reading() const override;
    void show_and_rearm() override;
    void show_tray_menu(ScreenPoint at) override;

    ReadingState& state_;
    WindowTimer timer_;
    Win32MessageBoxes boxes_;
    Reader reader_;
    ConfigFile config_;
    Win32CodePageConverter codec_;
    Win32BookFileReader book_files_;
    BookFilesWin32 folder_files_;
    Win32PictureFiles picture_files_;
    std::optional<BookList> book_list_;
    std::optional<BookFolderControlsWin32> folder_controls_;  // the edit box and the list

    EditFieldText width_text_{nullptr};
    EditFieldText dwell_text_{nullptr};
    EditFieldText jump_text_{nullptr};
    NumericField width_field_{width_text_, kWidthLimits};
    NumericField dwell_field_{dwell_text_, kDwellLimits};
    NumericField jump_field_{jump_text_, kJumpLimits};
    bool fields_ready_ = false;
    int field_change_count_ = 0;

    Bytes tray_picture_;  // the picture of "图片框1": an .ico file's bytes
    TrayIcon tray_;
    BalloonTip balloon_;
    Hyperlink about_link_;
    std::map<int, HWND> controls_;
};

}  // namespace tq
