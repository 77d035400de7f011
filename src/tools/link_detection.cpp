#include "tools/link_detection.h"

#include <algorithm>
#include <cstdlib>

namespace vantry {
namespace {

constexpr DWORD kNoPosition = static_cast<DWORD>(-1);

struct PointedCharacter {
    DWORD index;
    DWORD line;
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
    return PointedCharacter{start + static_cast<WORD>(LOWORD(nearest) - static_cast<WORD>(start)), line};
}

bool withinTolerance(const EditControl& memo, DWORD index, int x, int y) {
    const LRESULT position = SendMessageW(memo.handle(), EM_POSFROMCHAR, index, 0);
    if (position == -1) return false;
    const int cellX = static_cast<short>(LOWORD(position));
    const int cellY = static_cast<short>(HIWORD(position));
    const int tolerance = std::max(memo.fontHeight(), 8);
    return std::abs(x - cellX) < tolerance && std::abs(y - cellY) < tolerance;
}

}  // namespace

std::optional<PointedText> textAt(const EditControl& memo, int x, int y) {
    const std::optional<PointedCharacter> pointed = characterAt(memo, x, y);
    if (!pointed || !withinTolerance(memo, pointed->index, x, y)) return std::nullopt;

    DWORD firstStart = memo.lineIndex(pointed->line);
    PointedText result{memo.lineText(pointed->line), pointed->index - firstStart};
    // A display line that ends where the next begins was split by the wrapping.
    for (DWORD first = pointed->line; first > 0 && result.column <= kLongestBackwardScan; --first) {
        const DWORD previousStart = memo.lineIndex(first - 1);
        const DWORD previousLength = memo.lineLength(previousStart);
        if (previousStart + previousLength != firstStart) break;
        result.text.insert(0, memo.lineText(first - 1));
        result.column += previousLength;
        firstStart = previousStart;
    }
    const DWORD lines = memo.lineCount();
    DWORD lastStart = memo.lineIndex(pointed->line);
    for (DWORD last = pointed->line; last + 1 < lines && result.text.size() - result.column <= kLongestScan; ++last) {
        const DWORD nextStart = memo.lineIndex(last + 1);
        if (lastStart + memo.lineLength(lastStart) != nextStart) break;
        result.text += memo.lineText(last + 1);
        lastStart = nextStart;
    }
    return result;
}

std::optional<std::wstring> addressIn(const std::optional<PointedText>& pointed, AddressKind kind,
                                      bool collect) {
    if (!pointed) return std::nullopt;
    return addressAt(kind, pointed->text, pointed->column, collect);
}

}  // namespace vantry
