#include "documents/portable/text_encoding.h"

#include "documents/portable/code_page_437.h"

namespace vantry {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

std::string_view markBytes(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8: return kUtf8Mark;
        case TextEncoding::Utf16LE: return kUtf16LEMark;
        case TextEncoding::Utf16BE: return kUtf16BEMark;
        default: return {};
    }
}

std::wstring decodeAs(std::string_view bytes, TextEncoding encoding,
                      const ByteTextDecoder& decoder) {
    // Every CR or LF of the text holds a byte 0x0D or 0x0A in every encoding, so their
    // count bounds what normalising the line breaks adds.
    size_t lineBreakBytes = 0;
    for (char byte : bytes) lineBreakBytes += (byte == '\r' || byte == '\n') ? 1 : 0;
    switch (encoding) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8NoMark: return decoder.decodeUtf8(bytes, lineBreakBytes);
        case TextEncoding::Oem437: return decodeCp437(bytes, lineBreakBytes);
        case TextEncoding::Utf16LE: return decodeUtf16(bytes, false, lineBreakBytes);
        case TextEncoding::Utf16BE: return decodeUtf16(bytes, true, lineBreakBytes);
        default: return decoder.decodeAnsi(bytes, lineBreakBytes);
    }
}

}  // namespace

TextEncoding encodingFromName(std::wstring_view name) {
    for (size_t index = 1; index < kEncodingListEntries.size(); ++index) {
        if (kEncodingListEntries[index] == name) return static_cast<TextEncoding>(index);
    }
    return TextEncoding::None;
}

std::wstring_view encodingName(TextEncoding encoding) {
    return kEncodingListEntries[static_cast<size_t>(encoding)];
}

std::wstring_view encodingShortName(TextEncoding encoding) {
    constexpr std::array<std::wstring_view, kEncodingListEntries.size()> kShortNames = {
        L"ANSI", L"ANSI", L"UTF-8", L"UTF-16 LE", L"UTF-16 BE", L"DOS 437", L"UTF-8 (no mark)"};
    return kShortNames[static_cast<size_t>(encoding)];
}

TextEncoding byteOrderMarkOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return TextEncoding::Utf8;
    if (bytes.starts_with(kUtf16LEMark)) return TextEncoding::Utf16LE;
    if (bytes.starts_with(kUtf16BEMark)) return TextEncoding::Utf16BE;
    return TextEncoding::None;
}

namespace {

// Without a mark that holds: what the bytes themselves say.
TextEncoding encodingOfUnmarked(std::string_view bytes, bool nfoKind) {
    switch (utf8FormOf(bytes)) {
        case Utf8Form::Valid: return TextEncoding::Utf8NoMark;
        case Utf8Form::Invalid: return nfoKind ? TextEncoding::Oem437 : TextEncoding::None;
        default: return TextEncoding::None;
    }
}

}  // namespace

DecodedDocument decodeDocument(std::string_view bytes, TextEncoding chosen,
                               const ByteTextDecoder& decoder, bool nfoKind) {
    const TextEncoding mark = byteOrderMarkOf(bytes);
    if (chosen == TextEncoding::None) {
        if (mark != TextEncoding::None) {
            const std::string_view content = bytes.substr(markBytes(mark).size());
            const bool contradicted = mark == TextEncoding::Utf8 ? utf8FormOf(content) == Utf8Form::Invalid : false;
            if (!contradicted) {
                DecodedDocument document{decodeAs(content, mark, decoder), mark};
                if (mark == TextEncoding::Utf8 || !hasUnpairedSurrogate(document.text)) {
                    normaliseForEditor(document.text);
                    return document;
                }
            }
        }
        const TextEncoding read = encodingOfUnmarked(bytes, nfoKind);
        DecodedDocument document{decodeAs(bytes, read, decoder), read};
        normaliseForEditor(document.text);
        return document;
    }
    if (!markBytes(chosen).empty() && bytes.starts_with(markBytes(chosen))) {
        bytes.remove_prefix(markBytes(chosen).size());
    }
    DecodedDocument document{decodeAs(bytes, chosen, decoder), mark != TextEncoding::None ? mark : chosen};
    normaliseForEditor(document.text);
    return document;
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
