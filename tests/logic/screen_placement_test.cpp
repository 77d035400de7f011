// Where secondary windows go: inside the work area, and clear of the match they found.
#include <gtest/gtest.h>

#include <string>

#include "base/screen_placement.h"

namespace vantry {
namespace {

std::string text(const ScreenBox& box) {
    return std::to_string(box.left) + "," + std::to_string(box.top) + " " + std::to_string(box.width()) + "x" +
           std::to_string(box.height());
}

constexpr ScreenBox kArea{0, 40, 1280, 1024};  // a work area below a task bar

TEST(ScreenPlacement, AWindowIsMovedTheLeastIntoTheWorkArea) {
    struct Case {
        const char* what;
        ScreenBox box;
        bool mayShrink;
        const char* placed;
    };
    const Case cases[] = {
        {"inside already", {100, 100, 500, 400}, false, "100,100 400x300"},
        {"caption above the top", {100, -31, 760, 744}, false, "100,40 660x775"},
        {"off the bottom right", {1000, 900, 1400, 1200}, false, "880,724 400x300"},
        {"off the left", {-500, 300, -100, 600}, false, "0,300 400x300"},
        {"taller than the area keeps its caption in it", {100, 500, 500, 1600}, false, "100,40 400x1100"},
        {"taller than the area, made to fit", {100, 500, 500, 1600}, true, "100,40 400x984"},
        {"wider than the area, made to fit", {-10, 100, 1390, 300}, true, "0,100 1280x200"},
    };
    for (const Case& c : cases) EXPECT_EQ(text(keptInside(c.box, kArea, c.mayShrink)), c.placed) << c.what;
}

TEST(ScreenPlacement, AWindowOverAMatchMovesToTheNearestFreePlace) {
    struct Case {
        const char* what;
        ScreenBox window;
        ScreenBox match;
        const char* placed;
    };
    const Case cases[] = {
        {"covering nothing, it stays", {100, 100, 400, 300}, {500, 500, 560, 516}, "100,100 300x200"},
        {"below the match is nearer", {100, 480, 400, 680}, {200, 500, 260, 516}, "100,524 300x200"},
        {"above the match is nearer", {100, 400, 400, 600}, {200, 580, 260, 596}, "100,372 300x200"},
        {"no room above", {100, 50, 400, 250}, {200, 60, 260, 76}, "100,84 300x200"},
        {"no room above or below: beside it", {100, 40, 400, 1024}, {200, 500, 260, 516}, "268,40 300x984"},
        {"no room anywhere: it stays", {0, 40, 1280, 1024}, {200, 500, 260, 516}, "0,40 1280x984"},
    };
    for (const Case& c : cases) EXPECT_EQ(text(clearOf(c.window, c.match, kArea, 8)), c.placed) << c.what;
}

}  // namespace
}  // namespace vantry
