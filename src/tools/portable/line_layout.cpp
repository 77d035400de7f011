#include "tools/portable/line_layout.h"

#include <algorithm>

namespace vantry {

LineStarts::LineStarts(std::wstring_view text) {
    starts_.push_back(0);
    for (size_t i = text.find(L'\n'); i != std::wstring_view::npos; i = text.find(L'\n', i + 1)) {
        starts_.push_back(static_cast<std::uint32_t>(i + 1));
    }
}

DisplayLine displayLine(std::wstring_view text, size_t start, size_t nextStart) {
    DisplayLine line{text.substr(start, nextStart - start)};
    if (line.text.empty() || line.text.back() != L'\n') {
        line.continued = nextStart < text.size();
        return line;
    }
    // One or two carriage returns belong to the break before the line feed.
    line.text.remove_suffix(1);
    for (int i = 0; i < 2 && !line.text.empty() && line.text.back() == L'\r'; ++i) line.text.remove_suffix(1);
    return line;
}

size_t caretNearest(std::span<const int> edges, int x) {
    if (edges.size() < 2 || x <= edges.front()) return 0;
    if (x >= edges.back()) return edges.size() - 1;
    // The character under x; its right half is nearer to the caret position after it.
    const size_t at = static_cast<size_t>(std::upper_bound(edges.begin(), edges.end(), x) - edges.begin()) - 1;
    return 2 * (x - edges[at]) >= edges[at + 1] - edges[at] ? at + 1 : at;
}

}  // namespace vantry
