#include "tools/portable/line_numbers.h"

#include <algorithm>

namespace vantry {
namespace {

int digitValue(wchar_t c, int base) {
    int value = -1;
    if (c >= L'0' && c <= L'9')
        value = c - L'0';
    else if (c >= L'a' && c <= L'f')
        value = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F')
        value = c - L'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::optional<std::int32_t> parseLineNumber(std::wstring_view text) {
    while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    int base = 10;
    for (std::wstring_view prefix : {L"0x", L"0X", L"$", L"x", L"X"}) {
        if (text.starts_with(prefix)) {
            base = 16;
            text.remove_prefix(prefix.size());
            break;
        }
    }
    if (text.empty()) return std::nullopt;
    const std::int64_t limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
    std::int64_t value = 0;
    for (const wchar_t c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    if (base == 16) value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::uint32_t> lineIndexOfNumber(std::int32_t number) {
    if (number < 1) return std::nullopt;
    return static_cast<std::uint32_t>(number - 1);
}

std::wstring invalidLineNumberMessage(std::wstring_view text) {
    return L"'" + std::wstring(text) + L"' is not a valid integer value.";
}

std::int32_t offeredLineCount(size_t controlLines, bool endsWithLineBreak) {
    const size_t lines = endsWithLineBreak && controlLines > 0 ? controlLines - 1 : controlLines;
    return static_cast<std::int32_t>(std::clamp<size_t>(lines, 1, 0x7FFFFFFF));
}

std::wstring lineNumberLabel(std::int32_t offered) { return L"Line number (1-" + std::to_wstring(offered) + L"):"; }

}  // namespace vantry
