// The secondary windows. They are created hidden at start-up and live for the whole
// run; each is shown by its own command.
#pragma once

#include <windows.h>

#include "win/window.h"

namespace vantry {

class SecondaryWindow : public Window {
protected:
    SecondaryWindow(HWND owner, const wchar_t* className, const wchar_t* caption, DWORD style,
                    DWORD exStyle, SIZE size);
};

class Tabout final : public SecondaryWindow {
public:
    explicit Tabout(HWND owner);
};

class TOptions final : public SecondaryWindow {
public:
    explicit TOptions(HWND owner);
};

class TMyFind final : public SecondaryWindow {
public:
    explicit TMyFind(HWND owner);
};

class TGoto final : public SecondaryWindow {
public:
    explicit TGoto(HWND owner);
};

class TReadMe final : public SecondaryWindow {
public:
    explicit TReadMe(HWND owner);
};

class TmessageDialog final : public SecondaryWindow {
public:
    explicit TmessageDialog(HWND owner);
};

class TFileInfoDialog final : public SecondaryWindow {
public:
    explicit TFileInfoDialog(HWND owner);
};

}  // namespace vantry
