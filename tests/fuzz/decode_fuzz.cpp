// Decoding a file's bytes as opening does, under every encoding entry and for NFO and
// other files: nothing is lost, the line breaks come out as CR LF and U+0000 as a space.
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

// The unmarked rule: valid UTF-8 with a multi-byte sequence, else code page 437 for NFO
// files, else the ANSI code page.
TextEncoding unmarkedEncoding(std::string_view bytes, bool nfoKind) {
    const Utf8Form form = utf8FormOf(bytes);
    if (form == Utf8Form::Valid) return TextEncoding::Utf8NoMark;
    return form == Utf8Form::Invalid && nfoKind ? TextEncoding::Oem437 : TextEncoding::None;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t choice = input.byte();
    const auto chosen = static_cast<TextEncoding>(choice % kEncodingListEntries.size());
    const bool nfoKind = choice & 0x80;
    std::string_view bytes = input.rest();
    const fuzz::Latin1Decoder decoder;
    const DecodedDocument decoded = decodeDocument(bytes, chosen, decoder, nfoKind);

    // Chosen: that encoding, its own mark skipped. Default: a mark the content agrees
    // with, else the unmarked rule over all the bytes.
    const TextEncoding mark = byteOrderMarkOf(bytes);
    static constexpr std::string_view kMarks[] = {"", "", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF", "", ""};
    TextEncoding with = chosen;
    TextEncoding expected = mark != TextEncoding::None ? mark : chosen;
    if (chosen == TextEncoding::None) {
        const std::string_view content = bytes.substr(kMarks[static_cast<int>(mark)].size());
        const bool agrees = mark == TextEncoding::Utf8     ? utf8FormOf(content) != Utf8Form::Invalid
                            : mark == TextEncoding::None   ? false
                                                           : !hasUnpairedSurrogate(utf16Units(content, mark == TextEncoding::Utf16BE));
        with = expected = agrees ? mark : unmarkedEncoding(bytes, nfoKind);
    }
    fuzz::require(decoded.encoding == expected);
    const std::string_view ownMark = kMarks[static_cast<int>(with)];
    if (!ownMark.empty() && bytes.starts_with(ownMark)) bytes.remove_prefix(ownMark.size());
    std::wstring raw;
    switch (with) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8NoMark: raw = decoder.decodeUtf8(bytes, 0); break;
        case TextEncoding::Utf16LE: raw = utf16Units(bytes, false); break;
        case TextEncoding::Utf16BE: raw = utf16Units(bytes, true); break;
        case TextEncoding::Oem437:
            for (char byte : bytes) raw += cp437Character(static_cast<unsigned char>(byte));
            break;
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
