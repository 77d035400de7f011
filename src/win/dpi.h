// Dots per inch of the monitor a window is on. Control geometry is designed in pixels
// at 96 dots per inch and scaled by this.
#pragma once

#include <windows.h>

namespace vantry {

// The window's own DPI where the system tells it (Windows 10 on), else the screen's
// (also for no window).
int windowDpi(HWND window);

inline int scaledForDpi(int pixels96, int dpi) { return MulDiv(pixels96, dpi, 96); }

}  // namespace vantry
