// The low-level keyboard hook behind the global hot keys.
#pragma once

#include <windows.h>

namespace tq {

// Installs the hook once; a second call while it is installed does nothing.
// Every key event becomes a kHotkeyMessage posted to target (see
// encode_hotkey_message); the target decodes it, asks hotkey_command and
// performs the command from its message loop. False when the hook could not
// be installed: the program then has no hot keys.
bool install_hotkey_hook(HWND target);

// Removes the hook and forgets it, whatever UnhookWindowsHookEx says.
void remove_hotkey_hook();

bool hotkey_hook_installed();

// The LowLevelKeyboardProc. It returns at once: it updates the remembered
// modifier, posts the event and passes it on. A command run inside the hook
// could open a message box, which would hold every key press of the desktop
// until it closed, and Windows removes a hook that takes too long.
LRESULT CALLBACK hotkey_hook_proc(int code, WPARAM wparam, LPARAM lparam);

}  // namespace tq
