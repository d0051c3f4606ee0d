#include "shell/balloon_geometry.h"

namespace tq {

using namespace balloon;

BalloonLayout place_balloon(BalloonPoint anchor, std::int32_t body_width,
                            std::int32_t body_height, BalloonRect screen) {
    BalloonLayout layout;
    const std::int32_t w = body_width;
    const std::int32_t h = body_height + kPointerLength;

    // 64-bit sums: an anchor near the ends of the 32-bit range must not wrap.
    layout.pointer_at_right =
        std::int64_t{anchor.x} + w - kPointerInset > std::int64_t{screen.right};
    layout.below_anchor = std::int64_t{anchor.y} - h < std::int64_t{screen.top};

    const std::int32_t side_x = layout.pointer_at_right ? w - kPointerInset : kPointerInset;
    std::int32_t left = anchor.x - side_x;
    if (!layout.pointer_at_right && left < screen.left) left = screen.left;
    if (layout.pointer_at_right && left + w > screen.right) left = screen.right - w;
    const std::int32_t top = layout.below_anchor ? anchor.y : anchor.y - h;
    layout.outline = {left, top, left + w, top + h};
    layout.window = {left, top, left + w + kShadowX, top + h + kShadowY};

    const std::int32_t body_top = layout.below_anchor ? kPointerLength : 0;
    layout.body = {0, body_top, w, body_top + body_height};
    layout.text = {kTextMarginX, body_top + kTextMarginY, w - kTextMarginX,
                   body_top + body_height - kTextMarginY};

    // After a clamp only the tip moves, so the pointer still leaves the body
    // at its usual place and still ends on the anchor.
    const std::int32_t edge_y = layout.below_anchor ? layout.body.top : layout.body.bottom;
    const std::int32_t base_x = layout.pointer_at_right ? side_x - kPointerBase : side_x + kPointerBase;
    const BalloonPoint tip{anchor.x - left, anchor.y - top};
    layout.pointer = {BalloonPoint{side_x, edge_y}, BalloonPoint{base_x, edge_y}, tip};
    return layout;
}

}  // namespace tq
