// Where a window goes on the screen: inside the work area of a monitor, and out of the
// way of what it would cover. Boxes are in screen pixels, right and bottom exclusive.
#pragma once

namespace vantry {

struct ScreenBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool overlaps(const ScreenBox& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool operator==(const ScreenBox&) const = default;
};

// `box` moved the least that puts it inside `area`; one larger than the area is made as
// small as the area when it `mayShrink`, and otherwise keeps its top-left corner (and so
// its caption) in the area.
ScreenBox keptInside(ScreenBox box, const ScreenBox& area, bool mayShrink);

// Where `window` goes so that it does not cover `target`: unchanged when it covers none
// of it, otherwise the nearest place inside `area` above, below, left or right of the
// target, `gap` pixels from it; unchanged when none of those fits.
ScreenBox clearOf(const ScreenBox& window, const ScreenBox& target, const ScreenBox& area, int gap);

}  // namespace vantry
