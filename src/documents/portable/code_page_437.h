// Code page 437, the character set of the DOS screen that NFO art is drawn in, as real
// Unicode, and the test for UTF-8 files that carry no byte-order mark.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

// The character code page 437 gives each byte. Bytes 0x01-0x1F other than tab (0x09),
// LF (0x0A) and CR (0x0D), and 0x7F, give the symbols the DOS screen drew for them
// (☺ U+263A ... ▼ U+25BC, ⌂ U+2302); 0x00 gives U+0000; 0x80-0xFF the standard 437
// characters (0xDB -> U+2588, 0xCD -> U+2550, 0x81 -> U+00FC, 0xFF -> U+00A0).
wchar_t cp437Character(unsigned char byte);

// Decodes bytes, reserving extraCapacity more code units (as the other decoders do).
std::wstring decodeCp437(std::string_view bytes, size_t extraCapacity = 0);

// Appends the 437 bytes of text; false (out unchanged) when a character has none. Every
// U+0000-U+007F maps to its own byte (so tab, CR, LF and raw controls stay what they
// are), the symbols map back to their control bytes, so decode then encode gives the
// bytes back exactly.
bool encodeCp437(std::wstring_view text, std::string& out);

// UTF-8 as the program recognises it without a mark: Ascii when every byte is below
// 0x80, Valid when it is well-formed UTF-8 holding at least one multi-byte sequence,
// Invalid otherwise (overlong forms, encoded surrogates D800-DFFF, above U+10FFFF, a
// sequence cut by the end, stray continuation bytes, C0/C1/F5-FF lead bytes).
enum class Utf8Form { Ascii, Valid, Invalid };
Utf8Form utf8FormOf(std::string_view bytes);

}  // namespace vantry
