#include "documents/text_encoder.h"

namespace vantry {

std::optional<std::string> encodeForSaving(std::wstring_view text, TextEncoding encoding,
                                           const ByteTextEncoder& encoder, bool replaceUnmappable) {
    std::string bytes;
    switch (encoding) {
        case TextEncoding::None:
        case TextEncoding::Ansi:
            if (!encoder.encodeAnsi(text, !replaceUnmappable, bytes)) return std::nullopt;
            break;
        case TextEncoding::Utf8:
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
