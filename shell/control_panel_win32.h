// The control panel "控制面板": the program's one main window. It creates its
// controls from the layout table, runs the start-up set-up, and turns clicks,
// field changes, timer events, tray notifications and hot keys into the
// operations of the reading core, the books, the settings and the shell.
#pragma once

#include <windows.h>

#include <map>

#include "core/ports.h"
#include "core/reading_state.h"
#include "shell/message_boxes_win32.h"
#include "shell/window_timer_win32.h"
#include "shell/window_win32.h"

namespace tq {

class ControlPanel final : public Window, private ReaderControls, private DisplaySinks {
public:
    explicit ControlPanel(ReadingState& state);
    ~ControlPanel() override;

    // Creates the window (control_panel_setup runs inside) and shows it.
    bool create_and_show();

    // The sinks and operations other parts of the program call.
    void set_panel_caption(const Text& caption);
    void show_panel();
    void hide_panel();
    void set_status_hint(const Text& text);
    void show_hotkey_help();
    void destroy_panel();

private:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

    void on_create();
    void control_panel_setup();
    void create_controls();
    void on_command(int control_id, int code);
    LRESULT on_notify(const NMHDR& header);
    void on_destroy();
    void on_timer(UINT_PTR timer_id);
    void on_control_mouse_move(int control_id);

    HWND control(int control_id) const;
    Text control_text(int control_id) const;
    void set_control_text(int control_id, const Text& text);

    // Subclass procedure shared by the group boxes (which pass their children's
    // notifications up to the panel) and the controls that show a hint.
    static LRESULT CALLBACK child_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR subclass_id, DWORD_PTR ref);

    // ReaderControls: the fields read at the moment of use.
    std::int32_t segment_width() const override;
    std::int32_t dwell_seconds() const override;
    std::int32_t jump_target() const override;
    DisplayMode checked_mode() const override;

    // DisplaySinks.
    void show_in_tray(const Text& tip) override;
    void show_in_balloon(std::int32_t x, std::int32_t y, const Text& text) override;
    void show_in_caption(const Text& text) override;

    ReadingState& state_;
    WindowTimer timer_;
    Win32MessageBoxes boxes_;
    std::map<int, HWND> controls_;
};

}  // namespace tq
