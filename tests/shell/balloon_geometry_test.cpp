#include "shell/balloon_geometry.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace balloon;

constexpr BalloonRect kScreen{0, 0, 1280, 800};
constexpr std::int32_t kBodyW = 200;
constexpr std::int32_t kBodyH = 60;

struct PlacementCase {
    const char* name;
    BalloonRect screen;
    BalloonPoint anchor;
    bool pointer_at_right;
    bool below_anchor;
    std::int32_t left;  // of the outline on the screen
    std::int32_t top;
};

TEST(PlaceBalloon, TipLandsOnTheAnchorInEveryPlacement) {
    const PlacementCase cases[] = {
        // 10 px in from the right and bottom edges: above, extending left,
        // pulled left by the 6 px the pointer inset would overhang.
        {"typical_tray_spot", kScreen, {1270, 790}, true, false, 1080, 790 - kBodyH - 16},
        // Top-left corner: below, extending right, starting at the left edge.
        {"top_left_corner", kScreen, {0, 0}, false, true, 0, 0},
        {"middle_of_screen", kScreen, {640, 400}, false, false, 624, 400 - kBodyH - 16},
        {"left_edge_clamped", kScreen, {5, 400}, false, false, 0, 400 - kBodyH - 16},
        {"just_fits_at_left_end", kScreen, {1280 - kBodyW + 16, 400}, false, false, 1280 - kBodyW,
         400 - kBodyH - 16},
        {"one_more_mirrors", kScreen, {1280 - kBodyW + 17, 400}, true, false,
         1280 - kBodyW + 17 - (kBodyW - 16), 400 - kBodyH - 16},
        {"right_end_no_clamp_needed", kScreen, {1264, 400}, true, false, 1080, 400 - kBodyH - 16},
        {"top_right_corner", kScreen, {1279, 0}, true, true, 1080, 0},
        {"just_fits_above", kScreen, {640, kBodyH + 16}, false, false, 624, 0},
        {"one_less_goes_below", kScreen, {640, kBodyH + 15}, false, true, 624, kBodyH + 15},
        // A monitor left of the primary one: the virtual screen starts below 0.
        {"virtual_screen_left_of_zero", {-1920, -200, 1280, 1080}, {-1915, 500}, false, false, -1920,
         500 - kBodyH - 16},
        {"virtual_screen_top_above_zero", {-1920, -200, 1280, 1080}, {100, -150}, false, true, 84,
         -150},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BalloonLayout l = place_balloon(c.anchor, kBodyW, kBodyH, c.screen);
        EXPECT_EQ(l.pointer_at_right, c.pointer_at_right);
        EXPECT_EQ(l.below_anchor, c.below_anchor);
        EXPECT_EQ(l.outline, (BalloonRect{c.left, c.top, c.left + kBodyW, c.top + kBodyH + 16}));
        EXPECT_EQ(l.window, (BalloonRect{c.left, c.top, c.left + kBodyW + kShadowX,
                                         c.top + kBodyH + 16 + kShadowY}));
        // The tip touches the anchor.
        EXPECT_EQ(l.outline.left + l.pointer[2].x, c.anchor.x);
        EXPECT_EQ(l.outline.top + l.pointer[2].y, c.anchor.y);
        // The tip lies on the outline's edge beyond the body.
        EXPECT_EQ(l.pointer[2].y, c.below_anchor ? 0 : kBodyH + kPointerLength);
        // The base runs along the body's edge, 16 in from the chosen end,
        // 12 long towards the middle.
        const std::int32_t edge = c.below_anchor ? kPointerLength : kBodyH;
        EXPECT_EQ(l.body, (BalloonRect{0, edge == kBodyH ? 0 : kPointerLength, kBodyW,
                                       (edge == kBodyH ? 0 : kPointerLength) + kBodyH}));
        const std::int32_t side = c.pointer_at_right ? kBodyW - kPointerInset : kPointerInset;
        const std::int32_t base = c.pointer_at_right ? side - kPointerBase : side + kPointerBase;
        EXPECT_EQ(l.pointer[0], (BalloonPoint{side, edge}));
        EXPECT_EQ(l.pointer[1], (BalloonPoint{base, edge}));
        EXPECT_EQ(l.text, (BalloonRect{kTextMarginX, l.body.top + kTextMarginY,
                                       kBodyW - kTextMarginX, l.body.bottom - kTextMarginY}));
    }
}

TEST(PlaceBalloon, UnclampedTipIsLevelWithTheStraightSide) {
    const BalloonLayout left = place_balloon({640, 400}, kBodyW, kBodyH, kScreen);
    EXPECT_EQ(left.pointer[2].x, left.pointer[0].x);
    const BalloonLayout right = place_balloon({1200, 400}, kBodyW, kBodyH, kScreen);
    ASSERT_TRUE(right.pointer_at_right);
    EXPECT_EQ(right.pointer[2].x, right.pointer[0].x);
}

TEST(PlaceBalloon, AnchorsAtTheEndsOfTheRangeDoNotWrap) {
    constexpr BalloonRect kWide{-2000000000, -2000000000, 2000000000, 2000000000};
    const BalloonLayout high = place_balloon({1999999990, 1999999990}, kBodyW, kBodyH, kWide);
    EXPECT_TRUE(high.pointer_at_right);
    EXPECT_FALSE(high.below_anchor);
    EXPECT_EQ(high.outline.right, 2000000000);
    const BalloonLayout low = place_balloon({-2000000000, -2000000000}, kBodyW, kBodyH, kWide);
    EXPECT_FALSE(low.pointer_at_right);
    EXPECT_TRUE(low.below_anchor);
    EXPECT_EQ(low.outline.left, -2000000000);
}

}  // namespace
}  // namespace tq
