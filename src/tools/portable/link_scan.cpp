#include "tools/portable/link_scan.h"

#include <cstdlib>

namespace vantry {
namespace {

struct ScanRule {
    size_t backwardMoves;
    size_t totalMoves;
    size_t longest;   // the word fails at this many code units
    size_t shortest;  // and below this many
};

constexpr ScanRule kWebRule{kLongestBackwardScan, kLongestScan, 500, 8};
constexpr ScanRule kEmailRule{200, 400, 200, 5};

bool isDelimiter(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

wchar_t lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool startsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i]) return false;
    }
    return true;
}

// Accepts the web prefix one code unit at a time.
class WebPrefix {
public:
    bool accept(size_t index, wchar_t c) {
        switch (index) {
            case 0: return lower(c) == L'h';
            case 1:
            case 2: return lower(c) == L't';
            case 3: return lower(c) == L'p';
            case 4: secure_ = lower(c) == L's'; return secure_ || c == L':';
            case 5: return c == L'/' || (secure_ && c == L':');
            case 6: return c == L'/';
            default: return true;
        }
    }

private:
    bool secure_ = false;
};

class EmailMarks {
public:
    void see(wchar_t c) {
        if (c == L'@') atSign_ = true;
        if (atSign_ && c == L'.') dotAfterAt_ = true;
    }
    bool complete() const { return atSign_ && dotAfterAt_; }

private:
    bool atSign_ = false;
    bool dotAfterAt_ = false;
};

// The word frame shared by both scans. `take` gets each character of the word from its
// start; it answers false to fail, and may ask to stop early with success.
enum class Take { Next, Fail, Done };

template <typename Taker>
std::optional<std::wstring> scanWord(std::wstring_view line, size_t column, const ScanRule& rule, Taker take) {
    // p is 1-based as the position in the line; 0 and size()+1 lie outside it.
    const auto endsWord = [&](size_t p) { return p < 1 || p > line.size() || isDelimiter(line[p - 1]); };
    size_t p = column + 1;
    size_t moves = 0;
    while (!endsWord(p)) {
        --p;
        if (++moves > rule.backwardMoves || moves > rule.totalMoves) return std::nullopt;
    }
    ++p;
    if (++moves > rule.totalMoves) return std::nullopt;
    std::wstring word;
    while (!endsWord(p)) {
        if (word.size() >= rule.longest) return std::nullopt;
        word.push_back(line[p - 1]);
        switch (take(word.size() - 1, line[p - 1])) {
            case Take::Fail: return std::nullopt;
            case Take::Done: return word;
            case Take::Next: break;
        }
        ++p;
        if (++moves > rule.totalMoves) return std::nullopt;
    }
    if (word.size() >= rule.longest) return std::nullopt;
    const size_t written = word.size();
    if (written > 1 && (word.back() == L'.' || word.back() == L',')) word.pop_back();
    if (written < rule.shortest) return std::nullopt;
    return word;
}

}  // namespace

std::optional<std::wstring> webAddressAt(std::wstring_view line, size_t column, bool collect) {
    WebPrefix prefix;
    return scanWord(line, column, kWebRule, [&](size_t index, wchar_t c) {
        if (!prefix.accept(index, c)) return Take::Fail;
        return index >= 7 && !collect ? Take::Done : Take::Next;
    });
}

std::optional<std::wstring> emailAddressAt(std::wstring_view line, size_t column) {
    EmailMarks marks;
    std::optional<std::wstring> word = scanWord(line, column, kEmailRule, [&](size_t, wchar_t c) {
        marks.see(c);
        return Take::Next;
    });
    if (!marks.complete()) return std::nullopt;
    return word;
}

std::optional<std::wstring> addressAt(AddressKind kind, std::wstring_view line, size_t column, bool collect) {
    return kind == AddressKind::Web ? webAddressAt(line, column, collect) : emailAddressAt(line, column);
}

std::wstring shellTarget(AddressKind kind, std::wstring_view address) {
    if (kind == AddressKind::Email && !startsWithIgnoringCase(address, L"mailto:")) {
        return L"mailto:" + std::wstring(address);
    }
    return std::wstring(address);
}

bool isOpenableAddress(std::wstring_view target) {
    return startsWithIgnoringCase(target, L"http://") || startsWithIgnoringCase(target, L"https://") ||
           startsWithIgnoringCase(target, L"mailto:");
}

std::wstring_view followTooltip(AddressKind kind, std::wstring_view followMode) {
    const bool web = kind == AddressKind::Web;
    if (followMode == kFollowClick) return web ? L"Click to open in browser" : L"Click to compose e-mail";
    if (followMode == kFollowDoubleClick) {
        return web ? L"Double click to open in browser" : L"Double click to compose e-mail";
    }
    if (followMode == kFollowCtrlClick) {
        return web ? L"CTRL + click to open in browser" : L"CTRL + click to compose e-mail";
    }
    return {};
}

bool releaseFollows(std::wstring_view followMode, bool ctrlHeld) {
    return followMode == kFollowClick || (followMode == kFollowCtrlClick && ctrlHeld);
}

bool isClick(int pressX, int pressY, int releaseX, int releaseY) {
    return std::abs(releaseX - pressX) < 10 && std::abs(releaseY - pressY) < 10;
}

}  // namespace vantry
