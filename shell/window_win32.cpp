#include "shell/window_win32.h"

namespace tq {

bool Window::register_class(const char* class_name, UINT class_style, HBRUSH background,
                            HICON icon) {
    WNDCLASSEXA wc{};
    if (GetClassInfoExA(GetModuleHandleA(nullptr), class_name, &wc)) return true;
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.style = class_style;
    wc.lpfnWndProc = &Window::window_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = class_name;
    return RegisterClassExA(&wc) != 0;
}

bool Window::create(DWORD ex_style, const char* class_name, const char* caption, DWORD style,
                    int x, int y, int width, int height, HWND parent) {
    return CreateWindowExA(ex_style, class_name, caption, style, x, y, width, height, parent,
                           nullptr, GetModuleHandleA(nullptr), this) != nullptr;
}

LRESULT Window::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK Window::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(hwnd, message, wparam, lparam);

    // Nothing may throw across the window procedure: an escaping exception
    // would unwind through system code. A handler that fails leaves the
    // message to the default handling.
    LRESULT result = 0;
    try {
        result = self->handle_message(message, wparam, lparam);
    } catch (...) {
        result = DefWindowProcA(hwnd, message, wparam, lparam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->on_destroyed();
    }
    return result;
}

}  // namespace tq
