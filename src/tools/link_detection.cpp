#include "tools/link_detection.h"

#include <usp10.h>

#include <algorithm>
#include <cstdlib>

#include "win/handles.h"

namespace vantry {
namespace {

constexpr DWORD kNoPosition = static_cast<DWORD>(-1);
// Longer display lines are left to the control, whose coordinates have 16 bits anyway.
constexpr size_t kLongestMeasuredLine = 0xFFFF;
// How much more text than a scan can reach is read at once, so that moves along a line
// read nothing.
constexpr size_t kTextSlack = 2048;

HGDIOBJ fontOf(const EditControl& memo) { return memo.font() ? memo.font() : GetStockObject(SYSTEM_FONT); }

bool withinTolerance(const EditControl& memo, POINT cell, int x, int y) {
    // A character partly scrolled off the left or top edge is far from any point of the
    // client area.
    if (cell.x < 0 || cell.y < 0) return false;
    const int tolerance = std::max(memo.fontHeight(), 8);
    return std::abs(x - cell.x) < tolerance && std::abs(y - cell.y) < tolerance;
}

// Whether the control lays the line out letter by letter as the font measures it: no
// script that shapes its letters, no surrogate pairs, no letter the font lacks (the
// control would draw it with another font).
bool measurable(HDC dc, std::wstring_view line) {
    if (line.empty()) return true;
    const int length = static_cast<int>(line.size());
    if (ScriptIsComplex(line.data(), length, SIC_COMPLEX) == S_OK) return false;
    std::vector<WORD> glyphs(line.size());
    // A font that cannot tell (a raster font) has no other font stepping in either.
    if (GetGlyphIndicesW(dc, line.data(), length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
        return true;
    }
    for (size_t i = 0; i < line.size(); ++i) {
        if ((line[i] >= 0xD800 && line[i] <= 0xDFFF) || (glyphs[i] == 0xFFFF && line[i] != L'\t')) return false;
    }
    return true;
}

}  // namespace

std::optional<PointedText> PointedTextReader::textAt(int x, int y) {
    const std::optional<Character> pointed = characterAt(x, y);
    if (!pointed || !withinTolerance(memo_, pointed->cell, x, y)) return std::nullopt;
    size_t column = 0;
    const std::wstring& text = textAround(pointed->index, column);
    return PointedText{text, column};
}

bool PointedTextReader::viewCurrent(DWORD firstLine, int scrollX) const {
    return view_.version == memo_.version() && view_.firstLine == firstLine && view_.scrollX == scrollX &&
           view_.lineCount != 0;
}

void PointedTextReader::refreshView(DWORD firstLine, int scrollX) {
    View view;
    view.version = memo_.version();
    view.firstLine = firstLine;
    view.scrollX = scrollX;
    GetClientRect(memo_.handle(), &view.client);
    RECT format{};
    SendMessageW(memo_.handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    view.top = format.top;
    view.width = format.right - format.left;
    // The first character stands where every line starts, scrolled alike; being on the
    // first line, asking for it walks no lines.
    const LRESULT first = SendMessageW(memo_.handle(), EM_POSFROMCHAR, 0, 0);
    view.left = first == -1 ? format.left : static_cast<short>(LOWORD(first));
    {
        const WindowDeviceContext dc(memo_.handle());
        const ScopedSelection font(dc.get(), fontOf(memo_));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc.get(), &metrics);
        view.lineHeight = std::max<int>(metrics.tmHeight, 1);
        // The control's tab stops: every 32 dialog units, eight of the font's average letters.
        SIZE letters{};
        GetTextExtentPoint32W(dc.get(), L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", 52, &letters);
        view.tabWidth = std::max(8 * static_cast<int>((letters.cx / 26 + 1) / 2), 1);
    }
    view.lineCount = memo_.lineCount();
    if (!memo_.wordWrap()) {
        // Without word wrap the lines follow from the text alone: one pass after each change.
        if (!lineStarts_ || lineStartsVersion_ != memo_.version()) {
            const EditTextLock text(memo_);
            lineStarts_.emplace(text.text());
            lineStartsVersion_ = memo_.version();
        }
        view.ownLineStarts = lineStarts_->count() == view.lineCount;
    }
    view_ = std::move(view);
}

const PointedTextReader::Row& PointedTextReader::row(DWORD line) {
    for (const Row& known : view_.rows) {
        if (known.line == line) return known;
    }
    Row& row = view_.rows.emplace_back();
    row.line = line;
    const bool lastLine = line + 1 >= view_.lineCount;
    DWORD next = 0;  // the last line's ends with the text
    if (view_.ownLineStarts) {
        row.start = static_cast<DWORD>(lineStarts_->start(line));
        if (!lastLine) next = static_cast<DWORD>(lineStarts_->start(line + 1));
    } else {
        // Word wrap breaks the lines where only the control knows: asked once per display
        // line in view, before its text is locked.
        row.start = memo_.lineIndex(line);
        if (!lastLine) next = memo_.lineIndex(line + 1);
    }
    const EditTextLock lock(memo_);
    const std::wstring_view text = lock.text();
    if (lastLine) next = static_cast<DWORD>(text.size());
    if (row.start == kNoPosition || next == kNoPosition || row.start > next || next > text.size()) return row;
    const DisplayLine shown = displayLine(text, row.start, next);
    row.continued = shown.continued;
    row.edges = measure(shown.text);
    // A wrapped line wider than the control (a long word broken, then more text) is laid
    // out the control's own way; spaces at its end may stick out.
    const size_t lastLetter = shown.text.find_last_not_of(L" \t");
    if (memo_.wordWrap() && lastLetter != std::wstring_view::npos && !row.edges.empty() &&
        row.edges[lastLetter + 1] > view_.width) {
        row.edges.clear();
    }
    return row;
}

// The x of each caret position, from the line's left edge, as the control lays it out.
std::vector<int> PointedTextReader::measure(std::wstring_view line) const {
    const WindowDeviceContext dc(memo_.handle());
    const ScopedSelection font(dc.get(), fontOf(memo_));
    if (line.size() > kLongestMeasuredLine || !measurable(dc.get(), line)) return {};
    std::vector<int> edges{0};
    edges.reserve(line.size() + 1);
    std::vector<int> extents;
    for (size_t at = 0; at < line.size();) {
        const int x = edges.back();
        if (line[at] == L'\t') {
            edges.push_back((x / view_.tabWidth + 1) * view_.tabWidth);
            ++at;
            continue;
        }
        const size_t end = std::min(line.find(L'\t', at), line.size());
        extents.resize(end - at);
        SIZE size{};
        if (!GetTextExtentExPointW(dc.get(), line.data() + at, static_cast<int>(end - at), 0, nullptr, extents.data(),
                                   &size)) {
            return {};
        }
        for (const int extent : extents) edges.push_back(x + extent);
        at = end;
    }
    return edges;
}

// The character the control would name for the point (EM_CHARFROMPOS): the caret
// position nearest to it in its display line; the last display line below the text.
std::optional<PointedTextReader::Character> PointedTextReader::characterAt(int x, int y) {
    const auto firstLine = static_cast<DWORD>(memo_.firstVisibleLine());
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_POS;
    const int scrollX = GetScrollInfo(memo_.handle(), SB_HORZ, &scroll) ? scroll.nPos : 0;
    if (!viewCurrent(firstLine, scrollX)) refreshView(firstLine, scrollX);
    if (view_.lineCount == 0 || !PtInRect(&view_.client, POINT{x, y})) return std::nullopt;
    const int rowsDown = std::max((y - view_.top) / view_.lineHeight, 0);
    const DWORD line = std::min(firstLine + static_cast<DWORD>(rowsDown), view_.lineCount - 1);
    const Row& pointed = row(line);
    if (pointed.edges.empty()) return characterFromControl(x, y);
    const size_t caret = caretNearest(pointed.edges, x - view_.left);
    int rowInView = static_cast<int>(line) - static_cast<int>(firstLine);
    int cellX = view_.left + pointed.edges[caret];
    // The end of a display line that word wrap split is the start of the next.
    if (pointed.continued && caret + 1 == pointed.edges.size()) {
        ++rowInView;
        cellX = view_.left;
    }
    return Character{pointed.start + static_cast<DWORD>(caret), {cellX, view_.top + rowInView * view_.lineHeight}};
}

// For lines the font cannot measure alone. EM_CHARFROMPOS answers in 16 bits each; the
// full values follow from the lines in view, since the pointed line is one of them and no
// line is 65,536 units long.
std::optional<PointedTextReader::Character> PointedTextReader::characterFromControl(int x, int y) const {
    const LRESULT nearest = SendMessageW(memo_.handle(), EM_CHARFROMPOS, 0, MAKELPARAM(x, y));
    if (nearest == -1) return std::nullopt;
    const DWORD firstLine = view_.firstLine;
    const DWORD line = firstLine + static_cast<WORD>(HIWORD(nearest) - static_cast<WORD>(firstLine));
    if (line >= view_.lineCount) return std::nullopt;
    const DWORD start = memo_.lineIndex(line);
    if (start == kNoPosition) return std::nullopt;
    const DWORD index = start + static_cast<WORD>(LOWORD(nearest) - static_cast<WORD>(start));
    const LRESULT position = SendMessageW(memo_.handle(), EM_POSFROMCHAR, index, 0);
    if (position == -1) return std::nullopt;
    // Unsigned: a cell off the left or top edge is far from the client area.
    return Character{index, {LOWORD(position), HIWORD(position)}};
}

// The text a scan from `index` may reach, read again only when the pointer goes beyond
// it or the text changes. Line breaks end words, so lines need no separating.
const std::wstring& PointedTextReader::textAround(DWORD index, size_t& column) {
    const size_t from = index > kLongestBackwardScan ? index - kLongestBackwardScan : 0;
    const size_t to = size_t{index} + kLongestScan + 1;
    const bool covered =
        textVersion_ == memo_.version() && textStart_ <= from && (to <= textStart_ + text_.size() || textToEnd_);
    if (!covered) {
        const EditTextLock lock(memo_);
        const std::wstring_view all = lock.text();
        textStart_ = std::min(from > kTextSlack ? from - kTextSlack : 0, all.size());
        const size_t end = std::min(to + kTextSlack, all.size());
        text_.assign(all.substr(textStart_, end - textStart_));
        textToEnd_ = end == all.size();
        textVersion_ = memo_.version();
    }
    column = std::min<size_t>(index - textStart_, text_.size());
    return text_;
}

std::optional<std::wstring> addressIn(const std::optional<PointedText>& pointed, AddressKind kind, bool collect) {
    if (!pointed) return std::nullopt;
    return addressAt(kind, pointed->text, pointed->column, collect);
}

}  // namespace vantry
