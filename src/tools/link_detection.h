// Which text of the edit control lies under a point, for the address scans.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tools/portable/link_scan.h"
#include "win/edit_control.h"

namespace vantry {

struct PointedText {
    std::wstring text;  // the line under the point, as far as a scan may reach
    size_t column = 0;  // the pointed character in it
};

// Reads the text under the pointer: the character nearest the client point, when the
// point lies within a character height (at least 8 pixels) of it, in its line. Lines
// that word wrap split are joined, so an address broken across display lines is seen
// whole. Only that line (or the display lines of one) is read, never the whole text,
// and it is kept until the pointer leaves the line or the control changes: each
// question to the control may walk its list of lines.
class PointedTextReader {
public:
    explicit PointedTextReader(const EditControl& memo) : memo_(memo) {}
    std::optional<PointedText> textAt(int x, int y);

private:
    struct LineWindow {
        DWORD line = 0;
        DWORD lineStart = 0;
        std::uint64_t version = 0;
        std::wstring text;      // the line, with the display lines joined to it
        size_t lineOffset = 0;  // where the line starts in text
    };
    LineWindow readLine(DWORD line, DWORD lineStart) const;

    const EditControl& memo_;
    std::optional<LineWindow> last_;
};

std::optional<std::wstring> addressIn(const std::optional<PointedText>& pointed, AddressKind kind,
                                      bool collect);

}  // namespace vantry
