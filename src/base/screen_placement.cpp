#include "base/screen_placement.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace vantry {
namespace {

ScreenBox movedTo(const ScreenBox& box, int left, int top) {
    return {left, top, left + box.width(), top + box.height()};
}

bool inside(const ScreenBox& box, const ScreenBox& area) {
    return box.left >= area.left && box.top >= area.top && box.right <= area.right && box.bottom <= area.bottom;
}

}  // namespace

ScreenBox keptInside(ScreenBox box, const ScreenBox& area, bool mayShrink) {
    if (mayShrink) {
        box.right = box.left + std::min(box.width(), area.width());
        box.bottom = box.top + std::min(box.height(), area.height());
    }
    // The far edges first, so that a box larger than the area ends at its top left.
    const int left = std::max(std::min(box.left, area.right - box.width()), area.left);
    const int top = std::max(std::min(box.top, area.bottom - box.height()), area.top);
    return movedTo(box, left, top);
}

ScreenBox clearOf(const ScreenBox& window, const ScreenBox& target, const ScreenBox& area, int gap) {
    if (!window.overlaps(target)) return window;
    const ScreenBox candidates[] = {
        movedTo(window, window.left, target.top - gap - window.height()),  // above
        movedTo(window, window.left, target.bottom + gap),                 // below
        movedTo(window, target.left - gap - window.width(), window.top),   // left
        movedTo(window, target.right + gap, window.top),                   // right
    };
    std::optional<ScreenBox> nearest;
    const auto distance = [&window](const ScreenBox& box) {
        return std::abs(box.left - window.left) + std::abs(box.top - window.top);
    };
    for (const ScreenBox& candidate : candidates) {
        if (inside(candidate, area) && (!nearest || distance(candidate) < distance(*nearest))) nearest = candidate;
    }
    return nearest.value_or(window);
}

}  // namespace vantry
