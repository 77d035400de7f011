// What a saved file holds, and which filter the Save dialog lists first.
#include <gtest/gtest.h>

#include "documents/portable/save_filters.h"
#include "documents/portable/text_encoder.h"
#include "fuzz/fuzz_support.h"

namespace vantry {
namespace {

// Latin-1 stands in for the system's ANSI code page, with '?' for what it lacks.
using fuzz::Latin1Encoder;

TEST(SavingRules, EachEncodingWritesItsMarkThenTheTextAsHeld) {
    using E = TextEncoding;
    struct Case {
        const char* what;
        std::wstring text;
        E encoding;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty, Default", L"", E::None, ""},
        {"empty, UTF-8", L"", E::Utf8, "\xEF\xBB\xBF"},
        {"empty, UTF-16 LE", L"", E::Utf16LE, "\xFF\xFE"},
        {"empty, UTF-16 BE", L"", E::Utf16BE, "\xFE\xFF"},
        {"three lines, ANSI", L"a\r\nb\r\nc", E::Ansi, "a\r\nb\r\nc"},
        {"art kept byte for byte", L"\xDB\xB2\r\n", E::None, "\xDB\xB2\r\n"},
        {"UTF-8", L"a\xE9", E::Utf8,
         "\xEF\xBB\xBF"
         "a\xC3\xA9"},
        {"UTF-16 LE", L"A\r\n\x2554", E::Utf16LE,
         std::string("\xFF\xFE"
                     "A\0\r\0\n\0\x54\x25",
                     10)},
        {"UTF-16 BE", L"A\r\n\x2554", E::Utf16BE, std::string("\xFE\xFF\0A\0\r\0\n\x25\x54", 10)},
        {"a surrogate pair as two units", L"\xD83D\xDE00", E::Utf16BE, std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6)},
        {"DOS 866", L"\x41F\x2588\r\n", E::Dos866, "\x8F\xDB\r\n"},
        {"Windows 1251", L"\x41F\x2116", E::Windows1251, "\xCF\xB9"},
    };
    const Latin1Encoder encoder;
    for (const Case& c : cases) {
        const std::optional<std::string> bytes = encodeForSaving(c.text, c.encoding, encoder, false);
        ASSERT_TRUE(bytes) << c.what;
        EXPECT_EQ(*bytes, c.bytes) << c.what;
    }
}

TEST(SavingRules, AnsiAsksBeforeReplacingCharactersTheCodePageLacks) {
    const Latin1Encoder encoder;
    for (const TextEncoding encoding : {TextEncoding::None, TextEncoding::Ansi}) {
        EXPECT_FALSE(encodeForSaving(L"box \x2554 and \x4E2D", encoding, encoder, false));
        EXPECT_EQ(encodeForSaving(L"box \x2554 and \x4E2D", encoding, encoder, true), "box ? and ?");
    }
    // The Unicode encodings hold every character: nothing to ask.
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        EXPECT_TRUE(encodeForSaving(L"\x2554", encoding, encoder, false));
    }
}

TEST(SavingRules, Utf8AsksBeforeReplacingASurrogateWithoutItsPartner) {
    struct Case {
        const char* what;
        std::wstring text;
        bool unpaired;
    };
    const Case cases[] = {
        {"a pair",
         L"a\xD83D\xDE00"
         L"b",
         false},
        {"two pairs in a row", L"\xD83D\xDE00\xD83D\xDE01", false},
        {"no surrogates", L"\x2554\xFFFD", false},
        {"a high one at the end", L"a\xD83D", true},
        {"a high one before a letter",
         L"\xD83D"
         L"a",
         true},
        {"a low one alone", L"a\xDE00", true},
        {"a pair the wrong way round", L"\xDE00\xD83D", true},
        {"a pair, then a high one", L"\xD83D\xDE00\xD83D", true},
        {"two low ones in a row", L"\xDE00\xDE01", true},
    };
    const Latin1Encoder encoder;
    for (const Case& c : cases) {
        EXPECT_EQ(hasUnpairedSurrogate(c.text), c.unpaired) << c.what;
        EXPECT_EQ(encodeForSaving(c.text, TextEncoding::Utf8, encoder, false).has_value(), !c.unpaired) << c.what;
        EXPECT_TRUE(encodeForSaving(c.text, TextEncoding::Utf8, encoder, true)) << c.what;
        EXPECT_TRUE(encodeForSaving(c.text, TextEncoding::Utf16LE, encoder, false)) << "UTF-16 keeps " << c.what;
    }
    EXPECT_NE(unmappableQuestion(TextEncoding::Utf8).find(L"UTF-16"), std::wstring_view::npos);
    EXPECT_NE(unmappableQuestion(TextEncoding::Ansi), unmappableQuestion(TextEncoding::Utf8));
    EXPECT_EQ(unmappableQuestion(TextEncoding::Utf8NoMark), unmappableQuestion(TextEncoding::Utf8)) << "no mark";
}

TEST(SavingRules, ArtReadAsCodePage437IsSavedBackByteForByte) {
    std::string art;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n') art += static_cast<char>(byte);
    }
    const Latin1Encoder encoder;
    const DecodedDocument document =
        decodeDocument(art + "\r\n", TextEncoding::None, fuzz::Latin1Decoder{}, encoder, {true});
    ASSERT_EQ(document.encoding, TextEncoding::Oem437);
    EXPECT_EQ(encodeForSaving(document.text, document.encoding, encoder, false), art + "\r\n");
    // A character 437 lacks is asked about, then written as "?".
    EXPECT_FALSE(encodeForSaving(L"\x2588\x20AC", TextEncoding::Oem437, encoder, false));
    EXPECT_EQ(encodeForSaving(L"\x2588\x20AC\xD83D\xDE00.", TextEncoding::Oem437, encoder, true), "\xDB??.");
    EXPECT_NE(unmappableQuestion(TextEncoding::Oem437), unmappableQuestion(TextEncoding::Ansi));
    EXPECT_NE(unmappableQuestion(TextEncoding::Dos866).find(L"866"), std::wstring::npos);
    EXPECT_EQ(encodeForSaving(L"a\xE9", TextEncoding::Utf8NoMark, encoder, false), "a\xC3\xA9") << "no mark";
    EXPECT_EQ(encodeForSaving(L"\x2588\x2591 x", TextEncoding::Oem437InUtf8, encoder, false), "\xC3\x9B\xC2\xB0 x")
        << "437 art inside UTF-8 goes back the way it came";
    // A save of a document writes what its file began with, whatever the encoding.
    EXPECT_EQ(encodeForSaving(L"\x2588", TextEncoding::Oem437, encoder, false, "\xEF\xBB\xBF"), "\xEF\xBB\xBF\xDB");
    EXPECT_EQ(encodeForSaving(L"h", TextEncoding::Utf16LE, encoder, false, ""), std::string("h\0", 2));
}

TEST(SavingRules, TheExtensionDecidesTheFirstFilterThenTheFontMode) {
    using K = ExtensionKind;
    struct Case {
        K kind;
        const wchar_t* mode;
        bool nfoFirst;
    };
    const Case cases[] = {
        {K::Nfo, L"alwaysAnsi", true},
        {K::Nfo, L"anything", true},
        {K::Text, L"alwaysAscii", false},
        {K::Neither, L"alwaysAscii", true},
        {K::Neither, L"extensionSelectDefaultAscii", true},
        {K::Neither, L"alwaysAnsi", false},
        {K::Neither, L"extensionSelectDefaultAnsi", false},
        {K::Neither, L"unknown", false},
    };
    for (const Case& c : cases) EXPECT_EQ(nfoFilterFirst(c.kind, c.mode), c.nfoFirst) << static_cast<int>(c.kind);
}

TEST(SavingRules, FilterListsInTheirTwoOrders) {
    using namespace std::string_literals;
    EXPECT_EQ(saveFilterList(true),
              L"nfo file (*.nfo)\0*.nfo\0Text file (*.txt)\0*.txt\0diz file (*.diz)\0*.diz\0All files (*.*)\0*.*\0"s);
    EXPECT_EQ(saveFilterList(false),
              L"Text file (*.txt)\0*.txt\0nfo file (*.nfo)\0*.nfo\0diz file (*.diz)\0*.diz\0All files (*.*)\0*.*\0"s);
}

}  // namespace
}  // namespace vantry
