// "图片框1" of the About window: the picture, kept in the program's resources
// as a JPEG, drawn tiled at its natural size from the box's top-left corner.
#pragma once

#include <windows.h>

#include "shell/unique_handle.h"
#include "shell/window_win32.h"

namespace tq {

// The RCDATA resource that holds the picture. The resource script line is
//   TQ_ABOUT_PICTURE RCDATA "about_picture.jpg"
constexpr const char* kAboutPictureResource = "TQ_ABOUT_PICTURE";

// The decoded picture as a 32-bit DIB section, or an empty bitmap when the
// resource is missing or does not decode (the box then shows its background).
unique_bitmap load_about_picture();

class AboutPicture : public Window {
public:
    AboutPicture() = default;
    ~AboutPicture() override;

    bool create(HWND parent, int control_id, int x, int y, int width, int height);

protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void on_paint();

    unique_bitmap picture_;
    int picture_width_ = 0;
    int picture_height_ = 0;
};

}  // namespace tq
