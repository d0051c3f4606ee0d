// A hyperlink: a child window with a caption drawn underlined in the link
// colour, a hand cursor, and a visited colour once its address was opened.
// Pressing the left button on it tells the parent with WM_COMMAND
// (control id, kHyperlinkPressed) and calls the press callback, if any; a
// link with an address then opens it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "shell/unique_handle.h"
#include "shell/window_win32.h"

namespace tq {

// WM_COMMAND notification code of a press (the same value as BN_CLICKED, so a
// parent may treat the link like a button).
constexpr WORD kHyperlinkPressed = BN_CLICKED;

constexpr COLORREF kLinkColour = RGB(0, 102, 204);
constexpr COLORREF kLinkHoverColour = RGB(0, 51, 153);
constexpr COLORREF kLinkVisitedColour = RGB(128, 0, 128);

class Hyperlink : public Window {
public:
    using PressHandler = std::function<void()>;
    // Opens an address; true when something was opened.
    using AddressOpener = std::function<bool(const std::string& address)>;

    Hyperlink() = default;
    ~Hyperlink() override;

    // A visible child of parent at (x, y) in its client area. An empty address
    // makes a link whose press only notifies (WM_COMMAND and on_press).
    bool create(HWND parent, int control_id, const char* caption, int x, int y, int width,
                int height, std::string address = {}, PressHandler on_press = {});

    // The default opener is open_web_address; tests put their own here.
    void set_address_opener(AddressOpener opener) { opener_ = std::move(opener); }
    void set_visited(bool visited);
    bool visited() const { return visited_; }
    const std::string& address() const { return address_; }

protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void on_paint();
    void on_left_button_down();
    void on_mouse_move();
    void on_mouse_leave();
    void on_set_font(HFONT font);
    COLORREF text_colour() const;

    std::string address_;
    PressHandler on_press_;
    AddressOpener opener_;
    unique_font underlined_font_;
    bool visited_ = false;
    bool hovering_ = false;
};

}  // namespace tq
