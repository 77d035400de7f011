#include "tools/portable/text_search.h"

#include <algorithm>
#include <functional>

namespace vantry {
namespace {

constexpr size_t kTableSize = 65536;
constexpr size_t kNotFoundCut = 40;

struct FoldedEqual {
    const LowerCaseTable* lower;
    bool operator()(wchar_t a, wchar_t b) const {
        return (*lower)[static_cast<char16_t>(a)] == (*lower)[static_cast<char16_t>(b)];
    }
};

struct FoldedHash {
    const LowerCaseTable* lower;
    size_t operator()(wchar_t c) const { return std::hash<wchar_t>{}((*lower)[static_cast<char16_t>(c)]); }
};

}  // namespace

LowerCaseTable asciiLowerCaseTable() {
    LowerCaseTable table(kTableSize);
    for (size_t unit = 0; unit < kTableSize; ++unit) {
        table[unit] = static_cast<wchar_t>(unit >= L'A' && unit <= L'Z' ? unit - L'A' + L'a' : unit);
    }
    return table;
}

// Boyer-Moore-Horspool: linear in practice, no copy of the text, no lower-cased tail.
std::optional<size_t> findInText(std::wstring_view text, std::wstring_view search, size_t from, bool matchCase,
                                 const LowerCaseTable& lower) {
    if (search.empty() || from >= text.size() || search.size() > text.size() - from) return std::nullopt;
    const auto begin = text.begin() + static_cast<std::ptrdiff_t>(from);
    std::wstring_view::const_iterator found;
    if (matchCase) {
        found = std::search(begin, text.end(), std::boyer_moore_horspool_searcher(search.begin(), search.end()));
    } else {
        found = std::search(
            begin, text.end(),
            std::boyer_moore_horspool_searcher(search.begin(), search.end(), FoldedHash{&lower}, FoldedEqual{&lower}));
    }
    if (found == text.end()) return std::nullopt;
    return static_cast<size_t>(found - text.begin());
}

bool sameText(std::wstring_view a, std::wstring_view b, bool matchCase, const LowerCaseTable& lower) {
    if (matchCase) return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), FoldedEqual{&lower});
}

ReplaceAllPlan planReplaceAll(std::wstring_view text, std::wstring_view search, std::wstring_view replacement,
                              bool matchCase, const LowerCaseTable& lower, std::int32_t cap) {
    ReplaceAllPlan plan;
    size_t copied = 0;  // text before this is in plan.text
    size_t from = 0;
    while (plan.count < cap) {
        const std::optional<size_t> at = findInText(text, search, from, matchCase, lower);
        if (!at) break;
        if (plan.text.empty()) plan.text.reserve(text.size());
        plan.text.append(text.substr(copied, *at - copied));
        plan.lastReplacement = plan.text.size();
        plan.text.append(replacement);
        copied = from = *at + search.size();
        ++plan.count;
    }
    plan.capped = plan.count >= cap;
    plan.text.append(text.substr(copied));
    return plan;
}

std::wstring replaceAllReport(const ReplaceAllPlan& plan, std::int32_t cap) {
    const std::wstring count = std::to_wstring(plan.count);
    if (plan.capped) {
        return L"Can only replace " + std::to_wstring(cap) + L" occurences at a time. \n\rReplaced " + count +
               L" occurrences in the text.";
    }
    return L"Replaced " + count + L" occurrences in the text.";
}

std::wstring textNotFoundMessage(std::wstring_view search) {
    std::wstring shown(search.substr(0, kNotFoundCut));
    if (search.size() > kNotFoundCut) shown += L"...";
    return L"Text not found: " + shown;
}

std::wstring_view firstLineOf(std::wstring_view selected) { return selected.substr(0, selected.find(L'\r')); }

}  // namespace vantry
