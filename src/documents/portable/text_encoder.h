// Turning the editor's text into the bytes of a saved file: what goes before the text
// (a byte-order mark), then the text exactly as the control holds it (CR LF, nothing
// added at the end).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "documents/portable/text_encoding.h"

namespace vantry {

// The system's conversions for the byte encodings. Each appends to `out`.
class ByteTextEncoder {
public:
    virtual ~ByteTextEncoder() = default;
    // The ANSI code page. With `exactOnly`, returns false (and leaves `out` as it was)
    // when a character has no exact byte form; otherwise the system's replacement rules
    // apply (best fit, then the default character) and the result is true.
    virtual bool encodeAnsi(std::wstring_view text, bool exactOnly, std::string& out) const = 0;
    virtual void encodeUtf8(std::wstring_view text, std::string& out) const = 0;
    // The ANSI code page of the user's locale, as encodeAnsi does the system's.
    virtual bool encodeUserAnsi(std::wstring_view text, bool exactOnly, std::string& out) const {
        return encodeAnsi(text, exactOnly, out);
    }
};

// The bytes of a file saved with `encoding`: `lead`, the text, then `trail`. The text:
// "Default" and
// "ANSI" in the ANSI code page, the DOS and Windows code pages by their tables, the
// Unicode encodings as themselves, 437 art inside UTF-8 as the 1252 reading of its
// bytes. Nothing when the text does not fit a code page exactly, or holds an unpaired
// surrogate that UTF-8 would replace, and `replaceUnmappable` is false, so the caller
// can ask.
std::optional<std::string> encodeForSaving(std::wstring_view text, TextEncoding encoding,
                                           const ByteTextEncoder& encoder, bool replaceUnmappable,
                                           std::string_view lead, std::string_view trail = {});

// As a save with the encoding chosen in a dialog writes: its own mark first.
inline std::optional<std::string> encodeForSaving(std::wstring_view text, TextEncoding encoding,
                                                  const ByteTextEncoder& encoder, bool replaceUnmappable) {
    return encodeForSaving(text, encoding, encoder, replaceUnmappable, byteOrderMark(encoding));
}

// The question asked before a save in `encoding` replaces what it cannot store.
std::wstring unmappableQuestion(TextEncoding encoding);

// The question asked before a save writes, in the encoding a file was read with,
// characters that stand for bytes the reading could not keep. `shownName` is the
// encoding as the status bar names it.
std::wstring inexactReadingQuestion(std::wstring_view shownName);

// UTF-16 code units as bytes of either order, appended to `out`.
void encodeUtf16(std::wstring_view text, bool bigEndian, std::string& out);

}  // namespace vantry
