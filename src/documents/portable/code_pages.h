// The single-byte code pages a document can be read in, as real Unicode: the DOS ones
// NFO files are drawn in and the Windows ones text files of the 1990s were written in.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

enum class CodePage { Dos437, Dos850, Dos866, Windows1250, Windows1251, Windows1252 };

// The character a code page gives each byte. In the DOS code pages the control bytes
// 0x01-0x1F other than tab, LF and CR, and 0x7F, are the symbols the DOS screen drew
// for them (☺ U+263A ... ▼ U+25BC, ⌂ U+2302), unless the code page has that symbol at
// another byte too; then the control stays itself, so that no two bytes read alike.
// The bytes the Windows code pages leave undefined (0x81 in 1252) read as the control
// character of the same number, as Windows reads them. 0x00 gives U+0000 everywhere.
wchar_t codePageCharacter(CodePage page, unsigned char byte);

// Decodes bytes, reserving extraCapacity more code units (as the other decoders do).
std::wstring decodeCodePage(std::string_view bytes, CodePage page, size_t extraCapacity = 0);

// Appends the bytes of text; false (out unchanged) when a character has none. Every
// byte's character maps back to that byte, so decoding then encoding gives the bytes
// back exactly; in the DOS code pages U+0000-U+007F also map to their own bytes, so
// tab, CR, LF and controls typed or pasted stay what they are.
bool encodeCodePage(std::wstring_view text, CodePage page, std::string& out);

// The byte a character has in the code page, or nothing.
bool byteInCodePage(wchar_t character, CodePage page, unsigned char& byte);

}  // namespace vantry
