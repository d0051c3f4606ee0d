// The one window base class: the WM_NCCREATE / GWLP_USERDATA hook-up lives
// here, a derived window overrides handle_message and names its on_... parts.
#pragma once

#include <windows.h>

#include "shell/unique_handle.h"

namespace tq {

class Window {
public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    // Registers the class once per process (ANSI, so captions and texts are
    // code page 936 like every Text of the program).
    static bool register_class(const char* class_name, UINT class_style, HBRUSH background,
                               HICON icon = nullptr);
    // Creates the window; handle_message sees every message from WM_NCCREATE on.
    bool create(DWORD ex_style, const char* class_name, const char* caption, DWORD style, int x,
                int y, int width, int height, HWND parent);

    // Called for every message; the default hands it to DefWindowProcA.
    virtual LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    // After WM_NCDESTROY: hwnd() is null again.
    virtual void on_destroyed() {}

private:
    static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    HWND hwnd_ = nullptr;
};

}  // namespace tq
