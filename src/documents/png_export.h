// The document drawn into a bitmap and written as PNG through the Windows Imaging
// Component, which every Windows since 7 has.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace vantry {

// The PNG file's bytes: each line drawn in `font` (tabs at the edit control's stops),
// `text` on `background`, as wide as the widest line and one font height per line.
// Throws Error with a message for the user when the image cannot be made.
std::string documentPng(const std::vector<std::wstring_view>& lines, HFONT font, COLORREF background, COLORREF text);

}  // namespace vantry
