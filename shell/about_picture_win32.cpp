#include "shell/about_picture_win32.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "shell/jpeg_decode.h"

namespace tq {
namespace {

constexpr const char* kPictureClass = "TarnquilAboutPicture";
constexpr WORD kBitsPerPixel = 32;

using unique_memory_dc = unique_handle<HDC, NullCloser<HDC, DeleteDC>>;


// The resource's bytes; they belong to the module and stay mapped with it.
std::string_view picture_resource_bytes() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, kAboutPictureResource, RT_RCDATA);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const char*>(data), SizeofResource(module, found)};
}

unique_bitmap bitmap_from_image(const Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // negative: rows run top-down like the decoder's
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    unique_bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    std::copy(image.bgra.begin(), image.bgra.end(), static_cast<std::uint8_t*>(bits));
    return bitmap;
}

}  // namespace

unique_bitmap load_about_picture() {
    auto image = decode_jpeg(picture_resource_bytes());
    if (!image) return {};
    return bitmap_from_image(*image);
}

AboutPicture::~AboutPicture() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool AboutPicture::create(HWND parent, int control_id, int x, int y, int width, int height) {
    picture_ = load_about_picture();
    BITMAP size{};
    if (picture_ && GetObjectA(picture_.get(), sizeof size, &size)) {
        picture_width_ = size.bmWidth;
        picture_height_ = size.bmHeight;
    }
    if (!register_class(kPictureClass, 0, GetSysColorBrush(COLOR_BTNFACE))) return false;
    // No WS_CLIPCHILDREN: the box paints under its label, which draws its text
    // transparently on top of the picture.
    if (!Window::create(0, kPictureClass, "", WS_CHILD | WS_VISIBLE, x, y, width, height, parent)) {
        return false;
    }
    SetWindowLongPtrA(hwnd(), GWLP_ID, control_id);
    return true;
}

LRESULT AboutPicture::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        on_paint();
        return 0;
    case WM_CTLCOLORSTATIC: {
        auto dc = reinterpret_cast<HDC>(wparam);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    default:
        return Window::handle_message(message, wparam, lparam);
    }
}

void AboutPicture::on_paint() {
    paint_dc dc(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (!picture_ || picture_width_ <= 0 || picture_height_ <= 0) {
        FillRect(dc.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    unique_memory_dc source(CreateCompatibleDC(dc.get()));
    if (!source) return;
    selected_object chosen(source.get(), picture_.get());
    for (int y = 0; y < client.bottom; y += picture_height_) {
        for (int x = 0; x < client.right; x += picture_width_) {
            BitBlt(dc.get(), x, y, picture_width_, picture_height_, source.get(), 0, 0, SRCCOPY);
        }
    }
}

}  // namespace tq
