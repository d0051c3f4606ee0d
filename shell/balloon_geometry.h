// Where the balloon goes and what shape it has, from the anchor, the size of
// its body and the virtual screen. Coordinates are geometric: a rectangle's
// right and bottom are exclusive, so a tip "at" a point lies on the edge of the
// window's rectangle there, which is how the region functions see it.
#pragma once

#include <array>
#include <cstdint>

namespace tq {

struct BalloonPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const BalloonPoint&) const = default;
};

struct BalloonRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool operator==(const BalloonRect&) const = default;
};

namespace balloon {
constexpr std::int32_t kTextMarginX = 12;
constexpr std::int32_t kTextMarginY = 12;
constexpr std::int32_t kCornerWidth = 16;
constexpr std::int32_t kCornerHeight = 16;
constexpr std::int32_t kPointerLength = 16;
constexpr std::int32_t kPointerBase = 12;
constexpr std::int32_t kPointerInset = 16;  // body's end to the pointer's straight side
constexpr std::int32_t kFrameWidth = 1;
constexpr std::int32_t kFrameHeight = 1;
constexpr std::int32_t kShadowX = 5;
constexpr std::int32_t kShadowY = 3;
}  // namespace balloon

struct BalloonLayout {
    // The outline (body and pointer) on the screen; the pointer's tip lies on
    // the anchor.
    BalloonRect outline;
    // The window also holds the shadow, an outline copy moved right and down,
    // so it reaches kShadowX/kShadowY beyond the outline.
    BalloonRect window;
    // In window coordinates.
    BalloonRect body;
    BalloonRect text;
    // The pointer: the end of its straight side on the body's edge, the other
    // end of its base on that edge, and its tip.
    std::array<BalloonPoint, 3> pointer;
    bool pointer_at_right = false;
    bool below_anchor = false;
};

// body_width/body_height: the text's extent plus the margins on both sides.
BalloonLayout place_balloon(BalloonPoint anchor, std::int32_t body_width,
                            std::int32_t body_height, BalloonRect virtual_screen);

}  // namespace tq
