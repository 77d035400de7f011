// Web and e-mail addresses in the word under the pointer. A word is delimited only by
// space, tab, line feed and carriage return; all punctuation belongs to it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantry {

enum class AddressKind { Web, Email };

// The web address in the word that holds line[column], when the word is one: "http://"
// or "https://" in any case (after the "s" the colon may be a slash), at
// least one more character, under 500 code units, a final full stop or comma dropped.
// Without `collect` the scan stops once the prefix is proven and returns the word's
// first eight characters.
std::optional<std::wstring> webAddressAt(std::wstring_view line, size_t column, bool collect);

// The e-mail address in the word that holds line[column]: an at sign, a full stop after
// it, at least five and under 200 code units, a final full stop or comma dropped.
std::optional<std::wstring> emailAddressAt(std::wstring_view line, size_t column);

std::optional<std::wstring> addressAt(AddressKind kind, std::wstring_view line, size_t column, bool collect);

// What the shell is given for an address: e-mail addresses get one "mailto:" in front
// (none added when the word already starts with it, in any case).
std::wstring shellTarget(AddressKind kind, std::wstring_view address);

// Only these reach the shell: text starting "http://", "https://" or "mailto:", in
// any case. Nothing else from a document is ever executed.
bool isOpenableAddress(std::wstring_view target);

// How far a scan may look from the pointer, in code units, backwards and in all.
inline constexpr size_t kLongestBackwardScan = 500;
inline constexpr size_t kLongestScan = 1000;

// The follow modes and their tooltip texts; "" where the mode does not follow.
inline constexpr std::wstring_view kFollowNone = L"none";
inline constexpr std::wstring_view kFollowClick = L"click";
inline constexpr std::wstring_view kFollowDoubleClick = L"doubleClick";
inline constexpr std::wstring_view kFollowCtrlClick = L"ctrlClick";
std::wstring_view followTooltip(AddressKind kind, std::wstring_view followMode);

// Whether a release of the mouse follows an address under a follow mode.
bool releaseFollows(std::wstring_view followMode, bool ctrlHeld);

// Whether a release is still a click: it moved less than 10 pixels from the press.
bool isClick(int pressX, int pressY, int releaseX, int releaseY);

}  // namespace vantry
