// Decoding a file's bytes as opening does, under every encoding entry: nothing is lost,
// the line breaks come out as CR LF and U+0000 as a space.
#include "fuzz_support.h"

using namespace vantry;

namespace {

std::wstring utf16Units(std::string_view bytes, bool bigEndian) {
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first));
    }
    if (bytes.size() % 2) text.push_back(L'\xFFFD');
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const auto chosen = static_cast<TextEncoding>(input.byte() % 5);
    std::string_view bytes = input.rest();
    const fuzz::Latin1Decoder decoder;
    const DecodedDocument decoded = decodeDocument(bytes, chosen, decoder);

    // The mark decides when nothing is chosen; only the chosen encoding's own mark is skipped.
    const TextEncoding mark = byteOrderMarkOf(bytes);
    fuzz::require(decoded.encoding == (mark != TextEncoding::None ? mark : chosen));
    const TextEncoding with = chosen == TextEncoding::None ? mark : chosen;
    static constexpr std::string_view kMarks[] = {"", "", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    const std::string_view ownMark = kMarks[static_cast<int>(with)];
    if (!ownMark.empty() && bytes.starts_with(ownMark)) bytes.remove_prefix(ownMark.size());
    std::wstring raw;
    switch (with) {
        case TextEncoding::Utf8: raw = decoder.decodeUtf8(bytes, 0); break;
        case TextEncoding::Utf16LE: raw = utf16Units(bytes, false); break;
        case TextEncoding::Utf16BE: raw = utf16Units(bytes, true); break;
        default:
            raw = decoder.decodeAnsi(bytes, 0);
            fuzz::require(raw.size() == bytes.size());  // a code unit for every byte
    }
    if (with == TextEncoding::Utf16LE || with == TextEncoding::Utf16BE) {
        fuzz::require(raw.size() == (bytes.size() + 1) / 2);  // a unit for every pair, U+FFFD for a lone byte
    }
    fuzz::require(decoded.text == fuzz::modelNormalised(raw));
    return 0;
}
