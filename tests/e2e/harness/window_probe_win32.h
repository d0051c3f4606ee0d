// Looking at and poking the windows of another process: the messages used
// here are the standard ones that Wine marshals between processes. Every
// sent message has a timeout, so a program that hangs fails the test instead
// of hanging the driver.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/text.h"

namespace tq::e2e {

// Top-level windows of the process `process_id` whose caption is `caption`
// (visible or not); the first one, or null.
HWND find_top_window(DWORD process_id, const Text& caption);
// All top-level windows of the process of the given class ("#32770" for
// message boxes), in z-order.
std::vector<HWND> top_windows_of_class(DWORD process_id, const wchar_t* class_name);

// The descendant of `parent` with the control id `id`, however deeply nested
// (some controls of the panel live inside its group boxes); null if none.
HWND find_control(HWND parent, int id);

// Caption or text, converted to code page 936. Empty when the window does not
// answer in time.
Text window_text(HWND window);
// WM_SETTEXT, as a user's typing would end up; false when it failed or timed out.
bool set_window_text(HWND window, const Text& text);

// BM_CLICK, waiting until the click has been handled. Use `click_async` when
// the click opens a message box or another modal window: the program's
// handler only returns once that closes.
bool click(HWND button);
void click_async(HWND button);
bool is_checked(HWND button);

// The entries of a list box, in order.
std::vector<Text> list_items(HWND list);
// Index of the selected entry of a single-selection list box, or -1.
int list_selection(HWND list);
// Selects an entry and tells the parent, as a click on the entry would
// (LB_SETCURSEL alone sends no LBN_SELCHANGE).
bool select_list_item(HWND list, int index);

// Screen rectangle of the window including its frame.
RECT outer_rect(HWND window);
// The window's rectangle in the client coordinates of its parent.
RECT rect_in_parent(HWND child);
inline int width_of(const RECT& r) { return r.right - r.left; }
inline int height_of(const RECT& r) { return r.bottom - r.top; }

LONG_PTR window_style(HWND window);
LONG_PTR window_ex_style(HWND window);
std::wstring class_name_of(HWND window);

// Sends a message and waits for its result; nullopt on a timeout.
std::optional<LRESULT> send_message(HWND window, UINT message, WPARAM wparam = 0,
                                    LPARAM lparam = 0);

}  // namespace tq::e2e
