#include "tools/link_detection.h"

#include <algorithm>
#include <cstdlib>

namespace vantry {
namespace {

constexpr DWORD kNoPosition = static_cast<DWORD>(-1);

struct PointedCharacter {
    DWORD index;
    DWORD line;
    DWORD lineStart;
};

// EM_CHARFROMPOS answers in 16 bits each; the full values follow from the lines in
// view, since the pointed line is one of them and no line is 65,536 units long.
std::optional<PointedCharacter> characterAt(const EditControl& memo, int x, int y) {
    const LRESULT nearest = SendMessageW(memo.handle(), EM_CHARFROMPOS, 0, MAKELPARAM(x, y));
    if (nearest == -1) return std::nullopt;
    const auto firstVisible = static_cast<DWORD>(SendMessageW(memo.handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    const DWORD line = firstVisible + static_cast<WORD>(HIWORD(nearest) - static_cast<WORD>(firstVisible));
    if (line >= memo.lineCount()) return std::nullopt;
    const DWORD start = memo.lineIndex(line);
    if (start == kNoPosition) return std::nullopt;
    return PointedCharacter{start + static_cast<WORD>(LOWORD(nearest) - static_cast<WORD>(start)), line, start};
}

bool withinTolerance(const EditControl& memo, DWORD index, int x, int y) {
    const LRESULT position = SendMessageW(memo.handle(), EM_POSFROMCHAR, index, 0);
    if (position == -1) return false;
    // Unsigned, as the control reports cells in view: a character partly scrolled off
    // the left or top edge is far from any point of the client area.
    const int cellX = LOWORD(position);
    const int cellY = HIWORD(position);
    const int tolerance = std::max(memo.fontHeight(), 8);
    return std::abs(x - cellX) < tolerance && std::abs(y - cellY) < tolerance;
}

}  // namespace

std::optional<PointedText> PointedTextReader::textAt(int x, int y) {
    const std::optional<PointedCharacter> pointed = characterAt(memo_, x, y);
    if (!pointed || !withinTolerance(memo_, pointed->index, x, y)) return std::nullopt;
    if (!last_ || last_->line != pointed->line || last_->lineStart != pointed->lineStart ||
        last_->version != memo_.version()) {
        last_ = readLine(pointed->line, pointed->lineStart);
    }
    return PointedText{last_->text, last_->lineOffset + (pointed->index - pointed->lineStart)};
}

PointedTextReader::LineWindow PointedTextReader::readLine(DWORD line, DWORD lineStart) const {
    LineWindow window{line, lineStart, memo_.version(), memo_.lineText(line, lineStart), 0};
    if (!memo_.wordWrap()) return window;  // without wrapping every line ends with a line break

    // A display line that ends where the next begins was split by the wrapping. Joined
    // as far as a scan from anywhere in the line can reach.
    const size_t lineLength = window.text.size();
    DWORD firstStart = lineStart;
    for (DWORD first = line; first > 0 && window.lineOffset <= kLongestBackwardScan; --first) {
        const DWORD previousStart = memo_.lineIndex(first - 1);
        const DWORD previousLength = memo_.lineLength(previousStart);
        if (previousStart + previousLength != firstStart) break;
        window.text.insert(0, memo_.lineText(first - 1, previousStart));
        window.lineOffset += previousLength;
        firstStart = previousStart;
    }
    const DWORD lines = memo_.lineCount();
    DWORD lastEnd = lineStart + static_cast<DWORD>(lineLength);
    for (DWORD next = line + 1; next < lines && window.text.size() - window.lineOffset - lineLength <= kLongestScan;
         ++next) {
        const DWORD nextStart = memo_.lineIndex(next);
        if (nextStart != lastEnd) break;
        const std::wstring nextText = memo_.lineText(next, nextStart);
        window.text += nextText;
        lastEnd = nextStart + static_cast<DWORD>(nextText.size());
    }
    return window;
}

std::optional<std::wstring> addressIn(const std::optional<PointedText>& pointed, AddressKind kind,
                                      bool collect) {
    if (!pointed) return std::nullopt;
    return addressAt(kind, pointed->text, pointed->column, collect);
}

}  // namespace vantry
