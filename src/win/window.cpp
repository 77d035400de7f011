#include "win/window.h"

#include "win/error.h"
#include "win/error_report.h"

namespace vantry {

Window::~Window() { destroy(); }

void Window::destroy() {
    if (handle_) {
        const HWND handle = handle_;
        DestroyWindow(handle);
        SetWindowLongPtrW(handle, GWLP_USERDATA, 0);
        handle_ = nullptr;
    }
}

void Window::create(const ClassSpec& windowClass, DWORD exStyle, const std::wstring& caption, DWORD style, RECT bounds,
                    HWND owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, windowClass.name, &existing)) {
        WNDCLASSEXW registration{};
        registration.cbSize = sizeof registration;
        registration.style = CS_DBLCLKS;
        registration.lpfnWndProc = windowProc;
        registration.hInstance = instance;
        registration.hIcon = windowClass.icon;
        registration.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        registration.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        registration.lpszClassName = windowClass.name;
        if (!RegisterClassExW(&registration)) throw Error(systemErrorText(GetLastError()));
    }
    const HWND created = CreateWindowExW(exStyle, windowClass.name, caption.c_str(), style, bounds.left, bounds.top,
                                         bounds.right - bounds.left, bounds.bottom - bounds.top, owner,
                                         windowClass.menu, instance, this);
    if (!created) throw Error(systemErrorText(GetLastError()));
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
    return reportingFailures<LRESULT>(0, [&] { return window->handleMessage(message, wParam, lParam); });
}

}  // namespace vantry
