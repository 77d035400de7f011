// Text encodings of documents: the five choices of the file dialogs, byte-order marks,
// and turning a file's bytes into the text the editor shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantry {

// Oem437 is the DOS character set NFO art is written in; Utf8NoMark is UTF-8 as files
// without a byte-order mark hold it.
enum class TextEncoding { None, Ansi, Utf8, Utf16LE, Utf16BE, Oem437, Utf8NoMark };

// The entries of the encoding list of the Open and Save dialogs, by index.
inline constexpr std::array<std::wstring_view, 7> kEncodingListEntries = {
    L"Default", L"ANSI", L"UTF-8 (Default Unicode)", L"UTF-16 (Little Endian)",
    L"UTF-16 (Big Endian)", L"DOS / OEM 437", L"UTF-8 without mark"};

inline constexpr bool isEncodingListIndex(int index) {
    return index >= 0 && index < static_cast<int>(kEncodingListEntries.size());
}

// Exact, case-sensitive; "Default", "" and any unknown text give None.
TextEncoding encodingFromName(std::wstring_view name);
std::wstring_view encodingName(TextEncoding encoding);
// As the status bar names the encoding a document is held in ("Default" is "ANSI").
std::wstring_view encodingShortName(TextEncoding encoding);

// The encoding named by the byte-order mark at the start of a file's bytes, or None.
// FF FE 00 00 (UTF-32 LE) counts as UTF-16 LE.
TextEncoding byteOrderMarkOf(std::string_view bytes);

// The system's conversions for the byte encodings (code page ANSI and UTF-8), so that
// invalid sequences are replaced exactly as the platform does. The result reserves
// extraCapacity more code units, so that the line breaks can grow in place.
class ByteTextDecoder {
public:
    virtual ~ByteTextDecoder() = default;
    virtual std::wstring decodeAnsi(std::string_view bytes, size_t extraCapacity) const = 0;
    virtual std::wstring decodeUtf8(std::string_view bytes, size_t extraCapacity) const = 0;
};

struct DecodedDocument {
    std::wstring text;          // UTF-16 code units, CR LF line breaks, no U+0000
    TextEncoding encoding;      // what a later Save writes with
};

// Decodes a file's bytes as opening a document does. With `chosen` None a byte-order
// mark decides (and is skipped) unless the content contradicts it (invalid UTF-8 after
// EF BB BF, an unpaired surrogate after FF FE or FE FF); otherwise, mark bytes
// included, valid UTF-8 with a multi-byte sequence is UTF-8 without a mark, other
// non-ASCII bytes are code page 437 in a file of the NFO kind (`nfoKind`), and the
// rest is the ANSI code page. With another `chosen` the bytes are decoded with it and
// only its own mark is skipped. The document's encoding is the one its bytes were read
// with (with `chosen`: the mark's, else `chosen`).
DecodedDocument decodeDocument(std::string_view bytes, TextEncoding chosen,
                               const ByteTextDecoder& decoder, bool nfoKind = false);

// Whether a UTF-16 surrogate stands without its partner: UTF-8 has no form for it.
bool hasUnpairedSurrogate(std::wstring_view text);
// Whether a whole surrogate pair (one character in two code units) starts at `at`.
bool surrogatePairAt(std::wstring_view text, size_t at);

// Whether a document so read holds the ANSI code page's characters (and the faces
// should draw art at the characters 1252 gives the bytes).
inline bool readWithAnsiCodePage(TextEncoding encoding) {
    return encoding == TextEncoding::None || encoding == TextEncoding::Ansi;
}

// UTF-16 of either byte order; a lone last byte becomes U+FFFD.
std::wstring decodeUtf16(std::string_view bytes, bool bigEndian, size_t extraCapacity = 0);

// In place and in one pass over the text: every CR or LF that is not part of a CR LF
// pair becomes CR LF, and U+0000 becomes a space (the edit control would end the text
// there and a later save would lose the rest).
void normaliseForEditor(std::wstring& text);

}  // namespace vantry
