// Text encodings of documents: the choices of the file dialogs and of Reopen with
// encoding, byte-order marks, and turning a file's bytes into the text the editor shows
// without losing any of them, or knowing that it did.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "documents/portable/code_pages.h"

namespace vantry {

// None reads by the file's mark and bytes ("Default", "Automatic") and saves in the
// ANSI code page. Oem437 is the DOS character set NFO art is written in; Utf8NoMark
// is UTF-8 as files without a byte-order mark hold it; Oem437InUtf8 is 437 art that an
// editor read as 1252 and saved as UTF-8. UserAnsi, in no list, is the ANSI code page
// of the user's locale where the system's is UTF-8.
enum class TextEncoding {
    None,
    Ansi,
    Utf8,
    Utf16LE,
    Utf16BE,
    Oem437,
    Utf8NoMark,
    Dos850,
    Dos866,
    Windows1250,
    Windows1251,
    Windows1252,
    Oem437InUtf8,
    UserAnsi,
};
inline constexpr size_t kEncodingCount = 14;

// The entries of the encoding list of the Open and Save dialogs, by index: the
// enumeration in order.
inline constexpr std::array<std::wstring_view, kEncodingCount - 1> kEncodingListEntries = {
    L"Default",
    L"ANSI",
    L"UTF-8 (Default Unicode)",
    L"UTF-16 (Little Endian)",
    L"UTF-16 (Big Endian)",
    L"DOS / OEM 437",
    L"UTF-8 without mark",
    L"DOS 850 (Western)",
    L"DOS 866 (Cyrillic)",
    L"Windows 1250 (Central European)",
    L"Windows 1251 (Cyrillic)",
    L"Windows 1252 (Western)",
    L"DOS 437 inside UTF-8"};

inline constexpr bool isEncodingListIndex(int index) {
    return index >= 0 && index < static_cast<int>(kEncodingListEntries.size());
}

// The items of File > Reopen with encoding (and of the status bar's encoding menu), in
// the order the menu lists them. "ANSI" is shown with the system's code page number.
inline constexpr std::array<TextEncoding, 12> kReopenEncodings = {
    TextEncoding::None,        TextEncoding::Oem437,      TextEncoding::Dos850,      TextEncoding::Dos866,
    TextEncoding::Windows1250, TextEncoding::Windows1251, TextEncoding::Windows1252, TextEncoding::Ansi,
    TextEncoding::Utf8,        TextEncoding::Utf16LE,     TextEncoding::Utf16BE,     TextEncoding::Oem437InUtf8};

// The code page an encoding is read and written with by the program's own table; nothing
// for the encodings the system or UTF-8 and UTF-16 convert.
std::optional<CodePage> tableCodePage(TextEncoding encoding);
// The encoding of the Windows code page numbered `codePage` that a table reads, if any.
std::optional<TextEncoding> windowsTableEncoding(unsigned codePage);

// Exact, case-sensitive; "Default", "" and any unknown text give None.
TextEncoding encodingFromName(std::wstring_view name);
// The list entry; "ANSI" for UserAnsi.
std::wstring_view encodingName(TextEncoding encoding);

// A stable word for an encoding, as the registry keeps it ("dos866"); "" for None.
std::wstring_view encodingKeyword(TextEncoding encoding);
// None for "" and for any word that names no encoding.
TextEncoding encodingFromKeyword(std::wstring_view keyword);

// Whether two encodings give the same characters the same bytes, marks aside ("Default"
// and "ANSI", UTF-8 with and without a mark, and both where the ANSI code page is UTF-8).
bool readsAlike(TextEncoding a, TextEncoding b, unsigned ansiCodePage);

// The encoding named by the byte-order mark at the start of a file's bytes, or None.
// FF FE 00 00 (UTF-32 LE) counts as UTF-16 LE.
TextEncoding byteOrderMarkOf(std::string_view bytes);
// The mark a save in `encoding` writes first (empty for all but UTF-8 and UTF-16).
std::string_view byteOrderMark(TextEncoding encoding);

// The system's conversions for the byte encodings (code page ANSI and UTF-8), so that
// invalid sequences are replaced exactly as the platform does. The result reserves
// extraCapacity more code units, so that the line breaks can grow in place.
class ByteTextDecoder {
public:
    virtual ~ByteTextDecoder() = default;
    virtual std::wstring decodeAnsi(std::string_view bytes, size_t extraCapacity) const = 0;
    virtual std::wstring decodeUtf8(std::string_view bytes, size_t extraCapacity) const = 0;
    // The ANSI code page of the user's locale; the system's where they are one.
    virtual std::wstring decodeUserAnsi(std::string_view bytes, size_t extraCapacity) const {
        return decodeAnsi(bytes, extraCapacity);
    }
};

class ByteTextEncoder;

// What opening needs to know beyond the bytes.
struct ReadingRules {
    bool nfoKind = false;  // the file's name ends in .nfo or .diz
    // What an unmarked file that is not UTF-8 is read with when it is no NFO file: the
    // ANSI code page, or where that is UTF-8, the code page of the user's locale.
    TextEncoding unmarkedText = TextEncoding::None;
};

struct DecodedDocument {
    std::wstring text;        // UTF-16 code units, CR LF line breaks, no U+0000
    TextEncoding encoding{};  // what a later Save writes with
    std::string lead;         // bytes Save writes before the text: the file's mark, or a mark kept aside
    std::string trail;        // bytes Save writes after the text: the file's SAUCE record
    // Whether the text, saved after `lead` in `encoding`, gives the file's bytes back, but
    // for NUL read as a space and lone CR or LF as CR LF.
    bool exact = true;
};

// Decodes a file's bytes as opening a document does. A SAUCE record that validates at
// the end is kept as `trail`, out of the text, and the rest read as follows.
//
// With `chosen` None (automatic): a byte-order mark decides, and is kept as `lead`,
// unless what follows contradicts it: bytes that are not UTF-8 after EF BB BF, or in a
// file of the NFO kind, half a surrogate pair or an odd byte count after FF FE or FE
// FF. A contradicted mark is kept aside as `lead`, not shown, and the rest is read by
// the rules for unmarked bytes: UTF-8 with a multi-byte sequence as UTF-8 (or, in a
// file of the NFO kind that looks like art read as 1252, as that art); other non-ASCII
// bytes as code page 437 in a file of the NFO kind, else as `unmarkedText`; ASCII in
// the ANSI code page.
//
// With another `chosen`, the bytes are read with it: its own mark is skipped and kept
// as `lead`; a mark of another encoding is text.
DecodedDocument decodeDocument(std::string_view bytes, TextEncoding chosen, const ByteTextDecoder& decoder,
                               const ByteTextEncoder& encoder, const ReadingRules& rules = {});

// Whether a UTF-16 surrogate stands without its partner: UTF-8 has no form for it.
bool hasUnpairedSurrogate(std::wstring_view text);
// Whether a whole surrogate pair (one character in two code units) starts at `at`.
bool surrogatePairAt(std::wstring_view text, size_t at);

// Whether the faces should draw the text's characters as the art 437 gives the same
// bytes: text read with the ANSI code page on a system whose code page is 1252.
inline bool drawnAsAnsiArt(TextEncoding encoding, unsigned ansiCodePage) {
    return (encoding == TextEncoding::None || encoding == TextEncoding::Ansi) && ansiCodePage == 1252;
}

// The status bar's name of what the document was read with: "DOS 437", "ANSI 1252",
// "UTF-8", "UTF-16 LE (no mark)" ..., with " (lossy)" where Save would not give the
// file's bytes back.
// `userCodePage` names UserAnsi.
std::wstring encodingStatusText(TextEncoding encoding, std::string_view lead, bool exact, unsigned ansiCodePage,
                                unsigned userCodePage = 0);

// UTF-16 of either byte order; a lone last byte becomes U+FFFD.
std::wstring decodeUtf16(std::string_view bytes, bool bigEndian, size_t extraCapacity = 0);

// In place and in one pass over the text: every CR or LF that is not part of a CR LF
// pair becomes CR LF, and U+0000 becomes a space (the edit control would end the text
// there and a later save would lose the rest).
void normaliseForEditor(std::wstring& text);

}  // namespace vantry
