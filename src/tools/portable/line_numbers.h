// The go-to-line dialog's rules: reading the typed number and the highest line offered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantry {

// A signed 32-bit integer as the dialog accepts it: leading spaces, an optional sign,
// then decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing
// may follow. Hexadecimal takes 32 bits and reads them as signed ("$FFFFFFFF" is -1).
std::optional<std::int32_t> parseLineNumber(std::wstring_view text);

// The control's line (from 0) that a typed line number goes to; nothing for a number
// below 1, the lowest of which has no line before it.
std::optional<std::uint32_t> lineIndexOfNumber(std::int32_t number);

// "'<text>' is not a valid integer value."
std::wstring invalidLineNumberMessage(std::wstring_view text);

// The number of lines offered: the control's lines without an empty last line after a
// final line break, and at least 1.
std::int32_t offeredLineCount(size_t controlLines, bool endsWithLineBreak);

// "Line number (1-N):"
std::wstring lineNumberLabel(std::int32_t offered);

}  // namespace vantry
