// Finding text in the document as the find window does: from a position on, with or
// without regard to case, and the plan of a whole Replace All run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

// The system's lower-case rule, one code unit at a time (what CharLowerBuffW does to a
// text without moving positions): entry u is the lower case of unit u. 65,536 entries.
using LowerCaseTable = std::vector<wchar_t>;

// A table that lower-cases A-Z only; the tests and the native build use it.
LowerCaseTable asciiLowerCaseTable();

// Where `search` first occurs in `text` at or after `from` (0-based), compared exactly
// with `matchCase`, otherwise through `lower`. Nothing when it does not occur or is empty.
std::optional<size_t> findInText(std::wstring_view text, std::wstring_view search, size_t from, bool matchCase,
                                 const LowerCaseTable& lower);

// Whether two texts are equal under the same rule.
bool sameText(std::wstring_view a, std::wstring_view b, bool matchCase, const LowerCaseTable& lower);

inline constexpr std::int32_t kReplaceAllCap = 1000000;

// The outcome of Replace All: from the top, left to right, non-overlapping; a
// replacement is never searched again; no wrap; at most `cap` replacements.
struct ReplaceAllPlan {
    std::wstring text;  // the whole text afterwards
    std::int32_t count = 0;
    bool capped = false;                    // stopped at the cap, not by a failed search
    std::optional<size_t> lastReplacement;  // start of the last replacement in `text`
};

ReplaceAllPlan planReplaceAll(std::wstring_view text, std::wstring_view search, std::wstring_view replacement,
                              bool matchCase, const LowerCaseTable& lower, std::int32_t cap = kReplaceAllCap);

// The report of a run in the message window ("occurences" as the program has always
// spelled it in the capped case).
std::wstring replaceAllReport(const ReplaceAllPlan& plan, std::int32_t cap = kReplaceAllCap);

// "Text not found: " and the search text, cut after 40 characters with "...".
std::wstring textNotFoundMessage(std::wstring_view search);

// What every command that would change the text answers while changes are not allowed.
inline constexpr wchar_t kChangesNotAllowedMessage[] =
    L"You have not selected to allow changes to the text. Turn this on under the Settings menu to be able "
    L"to replace.";

// The selection's text up to its first carriage return.
std::wstring_view firstLineOf(std::wstring_view selected);

}  // namespace vantry
