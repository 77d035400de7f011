// The program's own message box: captioned "Vantry", owned by the active window, with
// the find window out of the way first.
#pragma once

#include <windows.h>

#include <string>

namespace vantry {

int showMessageBox(const std::wstring& text, const std::wstring& caption, UINT style);

}  // namespace vantry
