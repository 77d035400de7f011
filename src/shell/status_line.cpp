#include "shell/status_line.h"

#include <commctrl.h>

#include <algorithm>

#include "win/dpi.h"
#include "win/error.h"

namespace vantry {
namespace {
constexpr int kPositionPanelWidth = 145;
constexpr int kZoomPanelWidth = 50;       // "400%"
constexpr int kEncodingPanelWidth = 170;  // "DOS 437 in UTF-8 (lossy)"
constexpr WPARAM kEncodingPanel = 3;
constexpr int kStatusBarHeight = 19;
}  // namespace

// Placed by layout(), at the height the program gives it, not the control's own.
void StatusLine::create(HWND parent, int controlId, int dpi) {
    bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 0,
                           0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                           GetModuleHandleW(nullptr), nullptr);
    if (!bar_) throw Error(systemErrorText(GetLastError()));
    setPanels(dpi);
}

bool StatusLine::visible() const { return (GetWindowLongPtrW(bar_, GWL_STYLE) & WS_VISIBLE) != 0; }

void StatusLine::setVisible(bool visible) {
    ShowWindow(bar_, visible ? SW_SHOWNA : SW_HIDE);
    for (std::wstring& text : shown_) text.clear();
}

int StatusLine::layout(const RECT& client, int dpi) {
    if (!visible()) return 0;
    const int height = std::min<int>(scaledForDpi(kStatusBarHeight, dpi), client.bottom);
    MoveWindow(bar_, 0, client.bottom - height, client.right, height, TRUE);
    setPanels(dpi);
    return height;
}

// Position, path, and the encoding at the right end.
void StatusLine::setPanels(int dpi) {
    RECT bar{};
    GetClientRect(bar_, &bar);
    const int position = scaledForDpi(kPositionPanelWidth, dpi);
    const int encoding = scaledForDpi(kEncodingPanelWidth, dpi);
    const int zoom = scaledForDpi(kZoomPanelWidth, dpi);
    const int pathEnd = std::max<int>(position, bar.right - encoding - zoom);
    const int panels[] = {position, pathEnd, pathEnd + zoom, -1};
    SendMessageW(bar_, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(panels));
}

void StatusLine::show(std::wstring position, std::wstring path, std::wstring zoom, std::wstring encoding) {
    std::wstring texts[] = {std::move(position), std::move(path), std::move(zoom), std::move(encoding)};
    for (size_t panel = 0; panel < shown_.size(); ++panel) {
        if (texts[panel] == shown_[panel]) continue;
        shown_[panel] = std::move(texts[panel]);
        SendMessageW(bar_, SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(shown_[panel].c_str()));
    }
}

bool StatusLine::encodingPanelClicked(const NMHDR& notification) const {
    if (notification.hwndFrom != bar_ || (notification.code != NM_CLICK && notification.code != NM_RCLICK))
        return false;
    return reinterpret_cast<const NMMOUSE&>(notification).dwItemSpec == kEncodingPanel;
}

}  // namespace vantry
