// Saving then opening again: UTF-16 gives back exactly the text held, and ANSI, code
// page 437 and UTF-8 either give it back exactly or ask first.
#include "fuzz_support.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const auto encoding = static_cast<TextEncoding>(input.byte() % kEncodingListEntries.size());
    std::wstring text = input.text(2000, input.byte() % 4 == 0);
    normaliseForEditor(text);  // as the control holds it
    const fuzz::Latin1Encoder encoder;
    const fuzz::Latin1Decoder decoder;
    const std::optional<std::string> bytes = encodeForSaving(text, encoding, encoder, false);
    const bool ansi = encoding == TextEncoding::None || encoding == TextEncoding::Ansi;
    const bool oem = encoding == TextEncoding::Oem437;
    std::wstring oemCharacters;  // what 437 holds: its 256 characters, and ASCII as itself
    for (int byte = 0; byte < 256; ++byte) oemCharacters += cp437Character(static_cast<unsigned char>(byte));
    for (wchar_t c = 0; c < 0x80; ++c) oemCharacters += c;
    bool fitsCodePage = true;
    for (wchar_t c : text) {
        fitsCodePage = fitsCodePage && (oem ? oemCharacters.find(c) != std::wstring::npos : static_cast<unsigned>(c) <= 0xFF);
    }
    if ((ansi || oem) && !fitsCodePage) {
        fuzz::require(!bytes);  // the user is asked before anything is replaced
        const auto replaced = encodeForSaving(text, encoding, encoder, true);
        fuzz::require(replaced && (oem || replaced->size() == text.size()));
        return 0;
    }
    bool wellFormed = true;  // no lone surrogate, which UTF-8 cannot carry
    for (size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<char16_t>(text[i]);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && static_cast<char16_t>(text[i + 1]) >= 0xDC00 &&
            static_cast<char16_t>(text[i + 1]) <= 0xDFFF) {
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            wellFormed = false;
        }
    }
    const bool utf8 = encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8NoMark;
    if (utf8 && !wellFormed) {
        fuzz::require(!bytes);  // asked before a surrogate becomes U+FFFD
        fuzz::require(encodeForSaving(text, encoding, encoder, true).has_value());
        return 0;
    }
    fuzz::require(bytes.has_value());
    // Opened with the encoding it was saved in (what "Default" makes of the bytes is the
    // decoding fuzzer's concern).
    const DecodedDocument reopened = decodeDocument(*bytes, ansi ? TextEncoding::Ansi : encoding, decoder);
    std::wstring expected = text;  // a control character saved in 437 reads back as its DOS symbol
    if (oem) {
        for (wchar_t& c : expected) c = c < 0x80 ? cp437Character(static_cast<unsigned char>(c)) : c;
    }
    fuzz::require(reopened.text == expected);
    const bool startsWithMark = !text.empty() && text.front() == L'\xFEFF';  // then it reads as a mark
    if (!ansi && !startsWithMark) fuzz::require(reopened.encoding == encoding);
    return 0;
}
