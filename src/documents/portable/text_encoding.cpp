#include "documents/portable/text_encoding.h"

#include <optional>

#include "documents/portable/art_read_as_ansi.h"
#include "documents/portable/utf8_form.h"
#include "documents/portable/sauce_record.h"
#include "documents/portable/text_encoder.h"

namespace vantry {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

bool isUtf8Family(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8NoMark ||
           encoding == TextEncoding::Oem437InUtf8;
}

bool isUtf16(TextEncoding encoding) { return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE; }

// The mark that belongs to an encoding's bytes, whether or not a save writes it.
std::string_view ownMark(TextEncoding encoding) {
    if (isUtf8Family(encoding)) return kUtf8Mark;
    if (encoding == TextEncoding::Utf16LE) return kUtf16LEMark;
    if (encoding == TextEncoding::Utf16BE) return kUtf16BEMark;
    return {};
}

std::wstring decodeAs(std::string_view bytes, TextEncoding encoding, const ByteTextDecoder& decoder) {
    // Every CR or LF of the text holds a byte 0x0D or 0x0A in every encoding, so their
    // count bounds what normalising the line breaks adds.
    size_t lineBreakBytes = 0;
    for (char byte : bytes) lineBreakBytes += (byte == '\r' || byte == '\n') ? 1 : 0;
    if (const std::optional<CodePage> page = tableCodePage(encoding))
        return decodeCodePage(bytes, *page, lineBreakBytes);
    switch (encoding) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8NoMark: return decoder.decodeUtf8(bytes, lineBreakBytes);
        case TextEncoding::Oem437InUtf8: {
            std::wstring text = decoder.decodeUtf8(bytes, lineBreakBytes);
            takeArtBackFromAnsiReading(text);
            return text;
        }
        case TextEncoding::Utf16LE: return decodeUtf16(bytes, false, lineBreakBytes);
        case TextEncoding::Utf16BE: return decodeUtf16(bytes, true, lineBreakBytes);
        case TextEncoding::UserAnsi: return decoder.decodeUserAnsi(bytes, lineBreakBytes);
        default: return decoder.decodeAnsi(bytes, lineBreakBytes);
    }
}

// Whether `text`, decoded from `content` and not yet normalised, gives `content` back.
// The code page tables give every byte back; UTF-8 and UTF-16 do unless the bytes were
// not well formed; what goes through the system is encoded again and compared.
bool givesBytesBack(std::string_view content, TextEncoding encoding, const std::wstring& text,
                    const ByteTextEncoder& encoder) {
    switch (encoding) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8NoMark: return utf8FormOf(content) != Utf8Form::Invalid;
        case TextEncoding::Utf16LE:
        case TextEncoding::Utf16BE: return content.size() % 2 == 0;
        case TextEncoding::None:
        case TextEncoding::Ansi:
        case TextEncoding::UserAnsi:
        case TextEncoding::Oem437InUtf8: {
            const std::optional<std::string> again = encodeForSaving(text, encoding, encoder, false, {});
            return again && *again == content;
        }
        default: return true;
    }
}

DecodedDocument readAs(std::string_view content, TextEncoding encoding, std::string_view lead,
                       const ByteTextDecoder& decoder, const ByteTextEncoder& encoder) {
    if (isUtf8Family(encoding) && encoding != TextEncoding::Oem437InUtf8) {
        encoding = lead == kUtf8Mark ? TextEncoding::Utf8 : TextEncoding::Utf8NoMark;
    }
    DecodedDocument document{decodeAs(content, encoding, decoder), encoding, std::string(lead), {}, true};
    document.exact = givesBytesBack(content, encoding, document.text, encoder);
    normaliseForEditor(document.text);
    return document;
}

// Without a mark that holds: what the bytes themselves say.
TextEncoding encodingOfUnmarked(std::string_view bytes, const ReadingRules& rules, const ByteTextDecoder& decoder) {
    switch (utf8FormOf(bytes)) {
        case Utf8Form::Valid:
            return rules.nfoKind && looksLikeArtReadAs1252(decoder.decodeUtf8(bytes, 0)) ? TextEncoding::Oem437InUtf8
                                                                                         : TextEncoding::Utf8NoMark;
        case Utf8Form::Invalid: return rules.nfoKind ? TextEncoding::Oem437 : rules.unmarkedText;
        case Utf8Form::Ascii: break;
    }
    return TextEncoding::None;
}

// Whether what follows a mark says the mark is no mark: art behind a stray one.
bool contradicts(std::string_view content, TextEncoding mark, bool nfoKind) {
    if (mark == TextEncoding::Utf8) return utf8FormOf(content) == Utf8Form::Invalid;
    if (!nfoKind) return false;
    return content.size() % 2 != 0 || hasUnpairedSurrogate(decodeUtf16(content, mark == TextEncoding::Utf16BE));
}

}  // namespace

namespace {
// The encodings the program's own tables read, with the number each code page has.
struct TablePage {
    TextEncoding encoding;
    CodePage page;
    unsigned number;
    bool dos;
};
constexpr TablePage kTablePages[] = {
    {TextEncoding::Oem437, CodePage::Dos437, 437, true},
    {TextEncoding::Dos850, CodePage::Dos850, 850, true},
    {TextEncoding::Dos866, CodePage::Dos866, 866, true},
    {TextEncoding::Windows1250, CodePage::Windows1250, 1250, false},
    {TextEncoding::Windows1251, CodePage::Windows1251, 1251, false},
    {TextEncoding::Windows1252, CodePage::Windows1252, 1252, false},
};

const TablePage* tablePageOf(TextEncoding encoding) {
    for (const TablePage& row : kTablePages) {
        if (row.encoding == encoding) return &row;
    }
    return nullptr;
}
}  // namespace

std::optional<CodePage> tableCodePage(TextEncoding encoding) {
    const TablePage* row = tablePageOf(encoding);
    return row ? std::optional<CodePage>(row->page) : std::nullopt;
}

std::optional<TextEncoding> windowsTableEncoding(unsigned codePage) {
    for (const TablePage& row : kTablePages) {
        if (!row.dos && row.number == codePage) return row.encoding;
    }
    return std::nullopt;
}

TextEncoding encodingFromName(std::wstring_view name) {
    for (size_t index = 1; index < kEncodingListEntries.size(); ++index) {
        if (kEncodingListEntries[index] == name) return static_cast<TextEncoding>(index);
    }
    return TextEncoding::None;
}

std::wstring_view encodingName(TextEncoding encoding) {
    if (encoding == TextEncoding::UserAnsi) return kEncodingListEntries[static_cast<size_t>(TextEncoding::Ansi)];
    return kEncodingListEntries[static_cast<size_t>(encoding)];
}

namespace {
constexpr std::array<std::wstring_view, kEncodingCount> kKeywords = {
    L"",       L"ansi",   L"utf8",        L"utf16le",     L"utf16be",     L"dos437",       L"utf8NoMark",
    L"dos850", L"dos866", L"windows1250", L"windows1251", L"windows1252", L"dos437InUtf8", L"userAnsi"};
}  // namespace

std::wstring_view encodingKeyword(TextEncoding encoding) { return kKeywords[static_cast<size_t>(encoding)]; }

TextEncoding encodingFromKeyword(std::wstring_view keyword) {
    for (size_t index = 1; index < kKeywords.size(); ++index) {
        if (kKeywords[index] == keyword) return static_cast<TextEncoding>(index);
    }
    return TextEncoding::None;
}

bool readsAlike(TextEncoding a, TextEncoding b, unsigned ansiCodePage) {
    constexpr unsigned kUtf8CodePage = 65001;
    const auto family = [&](TextEncoding encoding) {
        if (encoding == TextEncoding::Ansi || encoding == TextEncoding::None) {
            return ansiCodePage == kUtf8CodePage ? TextEncoding::Utf8 : TextEncoding::None;
        }
        if (encoding == TextEncoding::Utf8NoMark) return TextEncoding::Utf8;
        return encoding;
    };
    return family(a) == family(b);
}

TextEncoding byteOrderMarkOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return TextEncoding::Utf8;
    if (bytes.starts_with(kUtf16LEMark)) return TextEncoding::Utf16LE;
    if (bytes.starts_with(kUtf16BEMark)) return TextEncoding::Utf16BE;
    return TextEncoding::None;
}

std::string_view byteOrderMark(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 || isUtf16(encoding) ? ownMark(encoding) : std::string_view();
}

namespace {

DecodedDocument decodeText(std::string_view bytes, TextEncoding chosen, const ByteTextDecoder& decoder,
                           const ByteTextEncoder& encoder, const ReadingRules& rules) {
    if (chosen != TextEncoding::None) {
        const std::string_view mark = ownMark(chosen);
        const std::string_view lead = !mark.empty() && bytes.starts_with(mark) ? mark : std::string_view();
        return readAs(bytes.substr(lead.size()), chosen, lead, decoder, encoder);
    }
    const TextEncoding mark = byteOrderMarkOf(bytes);
    const std::string_view lead = ownMark(mark);
    const std::string_view content = bytes.substr(lead.size());
    if (mark != TextEncoding::None && !contradicts(content, mark, rules.nfoKind)) {
        TextEncoding encoding = mark;
        if (mark == TextEncoding::Utf8 && encodingOfUnmarked(content, rules, decoder) == TextEncoding::Oem437InUtf8) {
            encoding = TextEncoding::Oem437InUtf8;
        }
        return readAs(content, encoding, lead, decoder, encoder);
    }
    return readAs(content, encodingOfUnmarked(content, rules, decoder), lead, decoder, encoder);
}

}  // namespace

DecodedDocument decodeDocument(std::string_view bytes, TextEncoding chosen, const ByteTextDecoder& decoder,
                               const ByteTextEncoder& encoder, const ReadingRules& rules) {
    const size_t tail = sauceTailStart(bytes);
    DecodedDocument document = decodeText(bytes.substr(0, tail), chosen, decoder, encoder, rules);
    document.trail = bytes.substr(tail);
    return document;
}

std::wstring encodingStatusText(TextEncoding encoding, std::string_view lead, bool exact, unsigned ansiCodePage,
                                unsigned userCodePage) {
    std::wstring name;
    if (const TablePage* row = tablePageOf(encoding))
        name = (row->dos ? L"DOS " : L"Windows ") + std::to_wstring(row->number);
    switch (encoding) {
        case TextEncoding::UserAnsi: name = L"ANSI " + std::to_wstring(userCodePage); break;
        case TextEncoding::None:
        case TextEncoding::Ansi: name = L"ANSI " + std::to_wstring(ansiCodePage); break;
        case TextEncoding::Utf8:
        case TextEncoding::Utf8NoMark: name = lead == kUtf8Mark ? L"UTF-8" : L"UTF-8 (no mark)"; break;
        case TextEncoding::Utf16LE:
        case TextEncoding::Utf16BE:
            name = encoding == TextEncoding::Utf16LE ? L"UTF-16 LE" : L"UTF-16 BE";
            if (lead != ownMark(encoding)) name += L" (no mark)";
            break;
        case TextEncoding::Oem437InUtf8: name = L"DOS 437 in UTF-8"; break;
        default: break;  // a table's, named above
    }
    return exact ? name : name + L" (lossy)";
}

bool surrogatePairAt(std::wstring_view text, size_t at) {
    return at + 1 < text.size() && text[at] >= 0xD800 && text[at] <= 0xDBFF && text[at + 1] >= 0xDC00 &&
           text[at + 1] <= 0xDFFF;
}

bool hasUnpairedSurrogate(std::wstring_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (surrogatePairAt(text, i)) {
            ++i;  // a whole pair
        } else if (text[i] >= 0xD800 && text[i] <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

std::wstring decodeUtf16(std::string_view bytes, bool bigEndian, size_t extraCapacity) {
    std::wstring text;
    text.reserve(bytes.size() / 2 + 1 + extraCapacity);
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const unsigned high = bigEndian ? byteAt(i) : byteAt(i + 1);
        const unsigned low = bigEndian ? byteAt(i + 1) : byteAt(i);
        text.push_back(static_cast<wchar_t>((high << 8) | low));
    }
    if (i < bytes.size()) text.push_back(L'\xFFFD');
    return text;
}

void normaliseForEditor(std::wstring& text) {
    // Count first, then fill from the back: the text grows in place, once.
    size_t added = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) ++added;
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) ++added;
    }
    size_t from = text.size();
    size_t to = from + added;
    text.resize(to);
    while (from > 0) {
        const wchar_t c = text[--from];
        if (c == L'\n') {
            const bool paired = from > 0 && text[from - 1] == L'\r';
            text[--to] = L'\n';
            text[--to] = L'\r';
            if (paired) --from;  // the CR of the pair is written above
        } else if (c == L'\r') {
            text[--to] = L'\n';  // a CR here is never followed by its LF: pairs were taken whole
            text[--to] = L'\r';
        } else {
            text[--to] = c == L'\0' ? L' ' : c;
        }
    }
}

}  // namespace vantry
