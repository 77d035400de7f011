#include "win/monitor.h"

namespace vantry {

ScreenBox boxOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

ScreenBox windowBox(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return boxOf(bounds);
}

ScreenBox workAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    }
    return boxOf(monitor.rcWork);
}

void keepInsideWorkArea(HWND window, HWND onMonitorOf, bool mayShrink) {
    const ScreenBox now = windowBox(window);
    const ScreenBox placed = keptInside(now, workAreaOf(onMonitorOf), mayShrink);
    if (placed == now) return;
    SetWindowPos(window, nullptr, placed.left, placed.top, placed.width(), placed.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vantry
