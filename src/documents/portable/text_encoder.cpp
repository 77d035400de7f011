#include "documents/portable/text_encoder.h"

#include "documents/portable/code_page_437.h"

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

constexpr std::wstring_view kOem437Question =
    L"The text holds characters that the DOS code page 437 cannot store. Saving replaces them "
    L"with \"?\".\n\n"
    L"Choose OK to save anyway, or Cancel and save with a UTF-8 or UTF-16 encoding to keep them.";

// Code page 437, each character it lacks written as "?".
void encodeCp437Replacing(std::wstring_view text, std::string& out) {
    if (encodeCp437(text, out)) return;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!encodeCp437(text.substr(i, 1), out)) out += '?';
        if (surrogatePairAt(text, i)) ++i;  // one character, one "?"
    }
}

}  // namespace

std::optional<std::string> encodeForSaving(std::wstring_view text, TextEncoding encoding,
                                           const ByteTextEncoder& encoder, bool replaceUnmappable) {
    std::string bytes;
    switch (encoding) {
        case TextEncoding::None:
        case TextEncoding::Ansi:
            if (!encoder.encodeAnsi(text, !replaceUnmappable, bytes)) return std::nullopt;
            break;
        case TextEncoding::Utf8:
        case TextEncoding::Utf8NoMark:
            if (!replaceUnmappable && hasUnpairedSurrogate(text)) return std::nullopt;
            if (encoding == TextEncoding::Utf8) bytes = "\xEF\xBB\xBF";
            encoder.encodeUtf8(text, bytes);
            break;
        case TextEncoding::Oem437:
            if (replaceUnmappable) {
                encodeCp437Replacing(text, bytes);
            } else if (!encodeCp437(text, bytes)) {
                return std::nullopt;
            }
            break;
        case TextEncoding::Utf16LE:
        case TextEncoding::Utf16BE: {
            const bool bigEndian = encoding == TextEncoding::Utf16BE;
            bytes.reserve(2 + text.size() * 2);
            bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
            encodeUtf16(text, bigEndian, bytes);
            break;
        }
    }
    return bytes;
}

std::wstring_view unmappableQuestion(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8NoMark: return kUtf8Question;
        case TextEncoding::Oem437: return kOem437Question;
        default: return kAnsiQuestion;
    }
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
