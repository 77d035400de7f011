// The monitors' work areas, for placing windows where they can be seen and moved.
#pragma once

#include <windows.h>

#include "base/screen_placement.h"

namespace vantry {

ScreenBox boxOf(const RECT& rect);
ScreenBox windowBox(HWND window);

// The work area (the screen without the task bar) of the monitor `window` is on, or of
// the nearest one.
ScreenBox workAreaOf(HWND window);

// Moves `window` by the least into the work area of the monitor `onMonitorOf` is on;
// a window larger than that area shrinks when it `mayShrink`.
void keepInsideWorkArea(HWND window, HWND onMonitorOf, bool mayShrink);

}  // namespace vantry
