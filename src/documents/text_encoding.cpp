#include "documents/text_encoding.h"

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
        case TextEncoding::Utf8: return decoder.decodeUtf8(bytes, lineBreakBytes);
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

TextEncoding byteOrderMarkOf(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) return TextEncoding::Utf8;
    if (bytes.starts_with(kUtf16LEMark)) return TextEncoding::Utf16LE;
    if (bytes.starts_with(kUtf16BEMark)) return TextEncoding::Utf16BE;
    return TextEncoding::None;
}

DecodedDocument decodeDocument(std::string_view bytes, TextEncoding chosen,
                               const ByteTextDecoder& decoder) {
    const TextEncoding mark = byteOrderMarkOf(bytes);
    const TextEncoding decodeWith = chosen == TextEncoding::None ? mark : chosen;
    if (!markBytes(decodeWith).empty() && bytes.starts_with(markBytes(decodeWith))) {
        bytes.remove_prefix(markBytes(decodeWith).size());
    }
    DecodedDocument document{decodeAs(bytes, decodeWith, decoder),
                             mark != TextEncoding::None ? mark : chosen};
    normaliseForEditor(document.text);
    return document;
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
