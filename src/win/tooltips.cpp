#include "win/tooltips.h"

#include <commctrl.h>

namespace vantry {

void ControlTooltips::attach(HWND window) {
    window_ = window;
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
}

void ControlTooltips::add(HWND control, const std::wstring& text) {
    if (!tooltip_ || !control) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the tooltip
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ControlTooltips::setDelay(int milliseconds) {
    SendMessageW(tooltip_.get(), TTM_SETDELAYTIME, TTDT_INITIAL, milliseconds);
}

}  // namespace vantry
