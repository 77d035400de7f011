// Base of the program's top-level windows: owns the HWND, routes its messages to the
// derived class, and turns anything a handler throws into the standard error report.
#pragma once

#include <windows.h>

#include <string>

namespace vantry {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND handle() const { return handle_; }
    bool isShowing() const { return handle_ && IsWindowVisible(handle_); }

protected:
    struct ClassSpec {
        const wchar_t* name;
        HICON icon = nullptr;
        HMENU menu = nullptr;
    };
    // Creates the window (hidden unless the style says WS_VISIBLE).
    void create(const ClassSpec& windowClass, DWORD exStyle, const std::wstring& caption, DWORD style, RECT bounds,
                HWND owner);
    // Handlers return what the message wants; the default is DefWindowProcW.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void destroy();

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND handle_ = nullptr;
};

}  // namespace vantry
