#include "documents/portable/text_encoder.h"

#include "documents/portable/code_pages.h"

namespace vantry {
namespace {

constexpr std::wstring_view kAnsiQuestion =
    L"The text holds characters that the ANSI code page cannot store. Saving replaces them "
    L"with similar characters or \"?\".\n\n"
    L"Choose OK to save anyway, or Cancel and save with a UTF-8 or UTF-16 encoding to keep them.";
constexpr std::wstring_view kUtf8Question =
    L"The text holds unpaired UTF-16 surrogates, which UTF-8 cannot store. Saving replaces "
    L"them with the replacement character \"\xFFFD\".\n\n"
    L"Choose OK to save anyway, or Cancel and save with a UTF-16 encoding to keep them.";

// The text in a code page, each character it lacks written as "?".
void encodeReplacing(std::wstring_view text, CodePage page, std::string& out) {
    if (encodeCodePage(text, page, out)) return;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!encodeCodePage(text.substr(i, 1), page, out)) out += '?';
        if (surrogatePairAt(text, i)) ++i;  // one character, one "?"
    }
}

// Appends the text in `encoding`; false when it does not fit and may not be replaced.
bool appendText(std::wstring_view text, TextEncoding encoding, const ByteTextEncoder& encoder, bool replaceUnmappable,
                std::string& bytes) {
    if (const std::optional<CodePage> page = tableCodePage(encoding)) {
        if (!replaceUnmappable) return encodeCodePage(text, *page, bytes);
        encodeReplacing(text, *page, bytes);
        return true;
    }
    switch (encoding) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8NoMark:
            if (!replaceUnmappable && hasUnpairedSurrogate(text)) return false;
            encoder.encodeUtf8(text, bytes);
            break;
        case TextEncoding::Oem437InUtf8: {  // the art's 437 bytes, as 1252 reads them, in UTF-8
            std::string art;
            if (replaceUnmappable) {
                encodeReplacing(text, CodePage::Dos437, art);
            } else if (!encodeCodePage(text, CodePage::Dos437, art)) {
                return false;
            }
            encoder.encodeUtf8(decodeCodePage(art, CodePage::Windows1252), bytes);
            break;
        }
        case TextEncoding::Utf16LE:
        case TextEncoding::Utf16BE:
            bytes.reserve(bytes.size() + text.size() * 2);
            encodeUtf16(text, encoding == TextEncoding::Utf16BE, bytes);
            break;
        case TextEncoding::UserAnsi:
            if (!encoder.encodeUserAnsi(text, !replaceUnmappable, bytes)) return false;
            break;
        default:
            if (!encoder.encodeAnsi(text, !replaceUnmappable, bytes)) return false;
            break;
    }
    return true;
}

}  // namespace

std::optional<std::string> encodeForSaving(std::wstring_view text, TextEncoding encoding,
                                           const ByteTextEncoder& encoder, bool replaceUnmappable,
                                           std::string_view lead, std::string_view trail) {
    std::string bytes(lead);
    if (!appendText(text, encoding, encoder, replaceUnmappable, bytes)) return std::nullopt;
    bytes.append(trail);
    return bytes;
}

std::wstring unmappableQuestion(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::None:
        case TextEncoding::Ansi:
        case TextEncoding::UserAnsi: return std::wstring(kAnsiQuestion);
        case TextEncoding::Utf8:
        case TextEncoding::Utf8NoMark: return std::wstring(kUtf8Question);
        default: break;
    }
    const std::wstring name = encoding == TextEncoding::Oem437 || encoding == TextEncoding::Oem437InUtf8
                                  ? L"the DOS code page 437"
                                  : L"the code page " + std::wstring(encodingName(encoding));
    return L"The text holds characters that " + name +
           L" cannot store. Saving replaces them with \"?\".\n\n"
           L"Choose OK to save anyway, or Cancel and save with a UTF-8 or UTF-16 encoding to keep them.";
}

std::wstring inexactReadingQuestion(std::wstring_view shownName) {
    return L"Some bytes of this file are not valid as " + std::wstring(shownName) +
           L", and were read as other characters. Saving in " + std::wstring(shownName) +
           L" writes those characters instead of the bytes that were there.\n\n"
           L"Choose OK to save anyway, or Cancel and choose another encoding under File > Reopen with encoding "
           L"(or by a click on the encoding in the status bar).";
}

void encodeUtf16(std::wstring_view text, bool bigEndian, std::string& out) {
    const size_t start = out.size();
    out.resize(start + text.size() * 2);
    char* to = out.data() + start;
    for (const wchar_t unit : text) {
        const auto value = static_cast<unsigned>(static_cast<char16_t>(unit));
        const char high = static_cast<char>(value >> 8);
        const char low = static_cast<char>(value & 0xFF);
        *to++ = bigEndian ? high : low;
        *to++ = bigEndian ? low : high;
    }
}

}  // namespace vantry
