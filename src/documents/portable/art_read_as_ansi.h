// NFO art that an editor once read as Windows 1252 and saved as UTF-8: the file holds
// "ÛÛÛ ÜÜ ²±°" as real characters where the art was "███ ▄▄ ▓▒░". Each such character
// is the 1252 reading of a 437 byte, so the art can be taken back, and given back again.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

// Whether decoded text looks like such art: every character above ASCII is one that
// 1252 gives a byte; at least eight, and three in four, of them are 1252's readings of
// 437's blocks, shades, frames and dots (bytes 0xB0-0xDF, 0xF9, 0xFA, 0xFE); and there
// is a run of three blocks ("ÛÛÛ") beside a shade or a frame, or a run of three frame
// lines ("ÍÍÍ", "ÄÄÄ"). Text with a few "Ü" or "ß" is not art.
bool looksLikeArtReadAs1252(std::wstring_view text);

// In place: each character taken back to its 1252 byte and read as 437 (so a control
// character is the DOS symbol again); a character 1252 lacks stays as it is.
void takeArtBackFromAnsiReading(std::wstring& text);

}  // namespace vantry
