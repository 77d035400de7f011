// Text encodings of documents: the five choices of the file dialogs, byte-order marks,
// and turning a file's bytes into the text the editor shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantry {

enum class TextEncoding { None, Ansi, Utf8, Utf16LE, Utf16BE };

// The entries of the encoding list of the Open and Save dialogs, by index.
inline constexpr std::array<std::wstring_view, 5> kEncodingListEntries = {
    L"Default", L"ANSI", L"UTF-8 (Default Unicode)", L"UTF-16 (Little Endian)",
    L"UTF-16 (Big Endian)"};

inline constexpr bool isEncodingListIndex(int index) {
    return index >= 0 && index < static_cast<int>(kEncodingListEntries.size());
}

// Exact, case-sensitive; "Default", "" and any unknown text give None.
TextEncoding encodingFromName(std::wstring_view name);
std::wstring_view encodingName(TextEncoding encoding);

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

// Decodes a file's bytes as opening a document does. With `chosen` None the byte-order
// mark decides (and is skipped), otherwise the bytes are decoded with `chosen` and only
// its own mark is skipped. The document's encoding is the mark's, else `chosen`.
DecodedDocument decodeDocument(std::string_view bytes, TextEncoding chosen,
                               const ByteTextDecoder& decoder);

// UTF-16 of either byte order; a lone last byte becomes U+FFFD.
std::wstring decodeUtf16(std::string_view bytes, bool bigEndian, size_t extraCapacity = 0);

// In place and in one pass over the text: every CR or LF that is not part of a CR LF
// pair becomes CR LF, and U+0000 becomes a space (the edit control would end the text
// there and a later save would lose the rest).
void normaliseForEditor(std::wstring& text);

}  // namespace vantry
