// Reading a file's bytes as opening does, under every encoding choice, in files of both
// kinds and with both readings of unmarked text, on a double-byte ANSI code page: the
// editor's text has CR LF line breaks and no U+0000, and saved again in what it was
// read with it gives the bytes back (but for NUL and the line breaks) exactly when the
// document says it is exact.
#include "fuzz_support.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t choice = input.byte();
    const auto chosen = static_cast<TextEncoding>(choice % kEncodingCount);
    constexpr TextEncoding kUnmarked[] = {TextEncoding::None, TextEncoding::Windows1252, TextEncoding::UserAnsi,
                                          TextEncoding::None};
    const ReadingRules rules{(choice & 0x80) != 0, kUnmarked[(choice >> 5) & 3]};
    const std::string_view bytes = input.rest();
    const fuzz::DoubleByteCodec codec;
    const DecodedDocument document = decodeDocument(bytes, chosen, codec, codec, rules);

    fuzz::require(document.text == fuzz::modelNormalised(document.text));  // already as the editor holds it
    const std::string expected = fuzz::savedAgain(bytes, document);
    const auto saved = encodeForSaving(document.text, document.encoding, codec, false, document.lead, document.trail);
    fuzz::require(document.exact == (saved == expected));
    return 0;
}
