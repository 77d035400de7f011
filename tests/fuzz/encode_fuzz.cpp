// Saving then opening again: UTF-16 gives back exactly the text held, and ANSI and UTF-8
// either give it back exactly or ask first.
#include "fuzz_support.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const auto encoding = static_cast<TextEncoding>(input.byte() % 5);
    std::wstring text = input.text(2000, input.byte() % 4 == 0);
    normaliseForEditor(text);  // as the control holds it
    const fuzz::Latin1Encoder encoder;
    const fuzz::Latin1Decoder decoder;
    const std::optional<std::string> bytes = encodeForSaving(text, encoding, encoder, false);
    const bool ansi = encoding == TextEncoding::None || encoding == TextEncoding::Ansi;
    bool fitsCodePage = true;
    for (wchar_t c : text) fitsCodePage = fitsCodePage && static_cast<unsigned>(c) <= 0xFF;
    if (ansi && !fitsCodePage) {
        fuzz::require(!bytes);  // the user is asked before anything is replaced
        const auto replaced = encodeForSaving(text, encoding, encoder, true);
        fuzz::require(replaced && replaced->size() == text.size());
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
    if (encoding == TextEncoding::Utf8 && !wellFormed) {
        fuzz::require(!bytes);  // asked before a surrogate becomes U+FFFD
        fuzz::require(encodeForSaving(text, encoding, encoder, true).has_value());
        return 0;
    }
    fuzz::require(bytes.has_value());
    // Opened as the document was (ANSI files have no mark, so they are opened as ANSI).
    const DecodedDocument reopened = decodeDocument(*bytes, ansi ? TextEncoding::Ansi : TextEncoding::None, decoder);
    fuzz::require(reopened.text == text);
    if (!ansi) fuzz::require(reopened.encoding == encoding);
    return 0;
}
