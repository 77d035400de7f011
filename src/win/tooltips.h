// Tooltips for the controls of a window: one tooltip window, each control a tool.
#pragma once

#include <windows.h>

#include <string>

#include "win/handles.h"

namespace vantry {

class ControlTooltips {
public:
    void attach(HWND window);
    void add(HWND control, const std::wstring& text);
    // How long the pointer rests before a tooltip shows.
    void setDelay(int milliseconds);

private:
    HWND window_ = nullptr;
    UniqueWindow tooltip_;
};

}  // namespace vantry
