// One owner for every Win32 handle: copy deleted, move allowed, closed once.
#pragma once

#include <windows.h>

#include <utility>

namespace tq {

template <typename T, typename Closer>
class unique_handle {
public:
    unique_handle() = default;
    explicit unique_handle(T handle) : handle_(handle) {}
    ~unique_handle() { reset(); }
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    unique_handle(unique_handle&& other) noexcept : handle_(other.release()) {}
    unique_handle& operator=(unique_handle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    T get() const { return handle_; }
    explicit operator bool() const { return Closer::valid(handle_); }
    T release() { return std::exchange(handle_, Closer::invalid()); }
    void reset(T handle = Closer::invalid()) {
        T old = std::exchange(handle_, handle);
        if (Closer::valid(old)) Closer::close(old);
    }

private:
    T handle_ = Closer::invalid();
};

// Closers: null is the empty value unless said otherwise.
template <typename T, auto Close>
struct NullCloser {
    static T invalid() { return nullptr; }
    static bool valid(T h) { return h != nullptr; }
    static void close(T h) { Close(h); }
};
struct FileCloser {  // CreateFile gives INVALID_HANDLE_VALUE on failure
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void close(HANDLE h) { CloseHandle(h); }
};
struct FindCloser {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void close(HANDLE h) { FindClose(h); }
};
inline void delete_gdi_object(HGDIOBJ h) { DeleteObject(h); }

using unique_window = unique_handle<HWND, NullCloser<HWND, DestroyWindow>>;
using unique_icon = unique_handle<HICON, NullCloser<HICON, DestroyIcon>>;
using unique_hook = unique_handle<HHOOK, NullCloser<HHOOK, UnhookWindowsHookEx>>;
using unique_menu = unique_handle<HMENU, NullCloser<HMENU, DestroyMenu>>;
using unique_file = unique_handle<HANDLE, FileCloser>;
using unique_find = unique_handle<HANDLE, FindCloser>;
using unique_bitmap = unique_handle<HBITMAP, NullCloser<HBITMAP, delete_gdi_object>>;
using unique_font = unique_handle<HFONT, NullCloser<HFONT, delete_gdi_object>>;
using unique_brush = unique_handle<HBRUSH, NullCloser<HBRUSH, delete_gdi_object>>;
using unique_region = unique_handle<HRGN, NullCloser<HRGN, delete_gdi_object>>;

// A device context taken with GetDC, given back with ReleaseDC.
class window_dc {
public:
    explicit window_dc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~window_dc() { if (dc_) ReleaseDC(window_, dc_); }
    window_dc(const window_dc&) = delete;
    window_dc& operator=(const window_dc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class paint_dc {
public:
    explicit paint_dc(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
    ~paint_dc() { EndPaint(window_, &paint_); }
    paint_dc(const paint_dc&) = delete;
    paint_dc& operator=(const paint_dc&) = delete;
    HDC get() const { return paint_.hdc; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// A GDI object selected into a DC for one scope.
class selected_object {
public:
    selected_object(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~selected_object() { if (previous_) SelectObject(dc_, previous_); }
    selected_object(const selected_object&) = delete;
    selected_object& operator=(const selected_object&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tq
