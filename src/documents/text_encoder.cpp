#include "documents/text_encoder.h"

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

bool isHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

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
            if (!replaceUnmappable && hasUnpairedSurrogate(text)) return std::nullopt;
            bytes = "\xEF\xBB\xBF";
            encoder.encodeUtf8(text, bytes);
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

bool hasUnpairedSurrogate(std::wstring_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;  // a whole pair
        } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
            return true;
        }
    }
    return false;
}

std::wstring_view unmappableQuestion(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? kUtf8Question : kAnsiQuestion;
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
