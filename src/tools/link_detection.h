// Which text of the edit control lies under a point, for the address scans.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/portable/line_layout.h"
#include "tools/portable/link_scan.h"
#include "win/edit_control.h"

namespace vantry {

struct PointedText {
    std::wstring text;  // the text around the point, as far as a scan may reach
    size_t column = 0;  // the pointed character in it
};

// Reads the text under the pointer: the character nearest the client point, when the
// point lies within a character height (at least 8 pixels) of it, in its line. Lines
// that word wrap split read as one, so an address broken across display lines is seen
// whole. Each question to the control may walk its list of lines from the top, so a
// move asks only what is cheap: the lines in view, where they start and where their
// characters stand (measured with the control's font), are kept until the text, its
// layout or the scrolling changes.
class PointedTextReader {
public:
    explicit PointedTextReader(const EditControl& memo) : memo_(memo) {}
    std::optional<PointedText> textAt(int x, int y);

private:
    struct Character {
        DWORD index;
        POINT cell;  // the character's top left corner in the client area
    };
    // A display line: where it starts and the x of its caret positions, from its left.
    struct Row {
        DWORD line = 0;
        DWORD start = 0;
        bool continued = false;  // word wrap carries the line on in the next display line
        std::vector<int> edges;  // empty where the control's own answers are needed
    };
    // What holds while the text, its layout and the scroll position stay.
    struct View {
        std::uint64_t version = 0;
        DWORD firstLine = 0;
        int scrollX = 0;
        RECT client{};
        int left = 0;  // x of the lines' left edge in the client area
        int top = 0;
        int width = 0;  // of the lines' room
        int lineHeight = 1;
        int tabWidth = 1;
        DWORD lineCount = 0;
        bool ownLineStarts = false;  // lineStarts_ agrees with the control
        std::vector<Row> rows;
    };

    bool viewCurrent(DWORD firstLine, int scrollX) const;
    void refreshView(DWORD firstLine, int scrollX);
    const Row& row(DWORD line);
    std::optional<Character> characterAt(int x, int y);
    std::optional<Character> characterFromControl(int x, int y) const;
    std::vector<int> measure(std::wstring_view line) const;
    const std::wstring& textAround(DWORD index, size_t& column);

    const EditControl& memo_;
    View view_;
    std::optional<LineStarts> lineStarts_;  // without word wrap only
    std::uint64_t lineStartsVersion_ = 0;
    std::uint64_t textVersion_ = 0;
    size_t textStart_ = 0;
    bool textToEnd_ = false;
    std::wstring text_;  // a part of the text, from textStart_
};

std::optional<std::wstring> addressIn(const std::optional<PointedText>& pointed, AddressKind kind, bool collect);

}  // namespace vantry
