// Saving then opening again: UTF-16 gives back exactly the text held, and ANSI, the code
// pages and UTF-8 either give it back exactly or ask first.
#include "fuzz_support.h"

#include "documents/portable/code_pages.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const auto encoding = static_cast<TextEncoding>(input.byte() % kEncodingCount);
    std::wstring text = input.text(2000, input.byte() % 4 == 0);
    normaliseForEditor(text);  // as the control holds it
    const fuzz::Latin1Encoder encoder;
    const fuzz::Latin1Decoder decoder;
    const std::optional<std::string> bytes = encodeForSaving(text, encoding, encoder, false);
    const bool ansi =
        encoding == TextEncoding::None || encoding == TextEncoding::Ansi || encoding == TextEncoding::UserAnsi;
    // The code page of a table encoding: what it holds are its 256 characters, and in a
    // DOS code page ASCII as itself.
    struct Table {
        TextEncoding encoding;
        CodePage page;
        bool dos;
    };
    constexpr Table kTables[] = {
        {TextEncoding::Oem437, CodePage::Dos437, true},
        {TextEncoding::Oem437InUtf8, CodePage::Dos437, true},
        {TextEncoding::Dos850, CodePage::Dos850, true},
        {TextEncoding::Dos866, CodePage::Dos866, true},
        {TextEncoding::Windows1250, CodePage::Windows1250, false},
        {TextEncoding::Windows1251, CodePage::Windows1251, false},
        {TextEncoding::Windows1252, CodePage::Windows1252, false},
    };
    const Table* table = nullptr;
    for (const Table& candidate : kTables) table = candidate.encoding == encoding ? &candidate : table;
    const bool oem = table != nullptr;
    std::wstring oemCharacters;
    if (table) {
        for (int byte = 0; byte < 256; ++byte)
            oemCharacters += codePageCharacter(table->page, static_cast<unsigned char>(byte));
        for (wchar_t c = 0; table->dos && c < 0x80; ++c) oemCharacters += c;
    }
    bool fitsCodePage = true;
    for (wchar_t c : text) {
        fitsCodePage =
            fitsCodePage && (oem ? oemCharacters.find(c) != std::wstring::npos : static_cast<unsigned>(c) <= 0xFF);
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
    const DecodedDocument reopened = decodeDocument(*bytes, ansi ? TextEncoding::Ansi : encoding, decoder, encoder);
    std::wstring expected = text;  // a control character saved in a DOS code page reads back as its symbol
    if (oem && table->dos) {
        for (wchar_t& c : expected) c = c < 0x80 ? codePageCharacter(table->page, static_cast<unsigned char>(c)) : c;
    }
    // A leading U+FEFF saved without a mark is read as the mark it is written as.
    if (byteOrderMark(encoding).empty() && !reopened.lead.empty()) expected.erase(0, 1);
    fuzz::require(reopened.text == expected);
    fuzz::require(reopened.exact);
    const bool startsWithMark = !text.empty() && text.front() == L'\xFEFF';  // then it reads as a mark
    if (!ansi && !startsWithMark) fuzz::require(reopened.encoding == encoding);
    return 0;
}
