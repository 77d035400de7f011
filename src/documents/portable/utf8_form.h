// The test for UTF-8 files that carry no byte-order mark.
#pragma once

#include <string_view>

namespace vantry {

// UTF-8 as the program recognises it without a mark: Ascii when every byte is below
// 0x80, Valid when it is well-formed UTF-8 holding at least one multi-byte sequence,
// Invalid otherwise (overlong forms, encoded surrogates D800-DFFF, above U+10FFFF, a
// sequence cut by the end, stray continuation bytes, C0/C1/F5-FF lead bytes).
enum class Utf8Form { Ascii, Valid, Invalid };
Utf8Form utf8FormOf(std::string_view bytes);

}  // namespace vantry
