// What the pointer needs to know about the text control's lines, kept by the program:
// the control answers any question about a line by walking its lines from the top.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vantry {

// Where each line starts as the control breaks lines without word wrap: after "\n",
// "\r\n" or "\r\r\n"; a lone "\r" is text.
class LineStarts {
public:
    explicit LineStarts(std::wstring_view text);
    size_t count() const { return starts_.size(); }
    size_t start(size_t line) const { return starts_[line]; }

private:
    std::vector<std::uint32_t> starts_;  // the control holds less than 4 G units
};

// A display line of `text`, from its start to the next one's (or the end), without its
// line break; `continued` when word wrap split the line there and the next goes on with it.
struct DisplayLine {
    std::wstring_view text;
    bool continued = false;
};
DisplayLine displayLine(std::wstring_view text, size_t start, size_t nextStart);

// The caret position nearest to x in a line whose caret positions lie at `edges` (one
// more than the characters, rising): the first left of the line, the last right of it.
size_t caretNearest(std::span<const int> edges, int x);

}  // namespace vantry
