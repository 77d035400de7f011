// The secondary windows still to come. They are created hidden at start-up and live
// for the whole run.
#pragma once

#include <windows.h>

#include "win/window.h"

namespace vantry {

class SecondaryWindow : public Window {
protected:
    SecondaryWindow(HWND owner, const wchar_t* className, const wchar_t* caption, DWORD style,
                    DWORD exStyle, SIZE size);
};

class TFileInfoDialog final : public SecondaryWindow {
public:
    explicit TFileInfoDialog(HWND owner);
};

}  // namespace vantry
