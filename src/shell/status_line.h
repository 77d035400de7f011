// The status bar under the text: line and column, the file's path, the zoom, the
// encoding the document was read with (a click on it offers the others). Each panel is sent only
// when its text changes, since this runs on every key.
#pragma once

#include <windows.h>

#include <array>
#include <string>

namespace vantry {

class StatusLine {
public:
    // A hidden bar in `parent`; throws Error when it cannot be made.
    void create(HWND parent, int controlId, int dpi);
    HWND handle() const { return bar_; }
    bool visible() const;
    // A bar shown again is filled at the next show().
    void setVisible(bool visible);
    // Along the bottom of `client`, when visible; returns the height it takes.
    int layout(const RECT& client, int dpi);
    void setPanels(int dpi);
    void show(std::wstring position, std::wstring path, std::wstring zoom, std::wstring encoding);
    // Whether a notification from the bar is a click on the encoding panel.
    bool encodingPanelClicked(const NMHDR& notification) const;

private:
    HWND bar_ = nullptr;                 // a child: it goes with its parent
    std::array<std::wstring, 4> shown_;  // each panel's text: position, path, zoom, encoding
};

}  // namespace vantry
