// Which text of the edit control lies under a point, for the address scans.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tools/link_scan.h"
#include "win/edit_control.h"

namespace vantry {

struct PointedText {
    std::wstring text;  // the line under the point, as far as a scan may reach
    size_t column = 0;  // the pointed character in it
};

// The character nearest the client point, when the point lies within a character
// height (at least 8 pixels) of it. Lines that word wrap split are joined, so an
// address broken across display lines is seen whole; only one line (or the display
// lines of one) is read, never the whole text.
std::optional<PointedText> textAt(const EditControl& memo, int x, int y);

std::optional<std::wstring> addressIn(const std::optional<PointedText>& pointed, AddressKind kind,
                                      bool collect);

}  // namespace vantry
