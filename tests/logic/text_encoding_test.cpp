#include "documents/portable/art_read_as_ansi.h"
#include "documents/portable/text_encoding.h"

#include <gtest/gtest.h>

#include "fuzz/fuzz_support.h"

namespace vantry {
namespace {

using E = TextEncoding;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

TEST(TextEncoding, NamesAndKeywordsMatchExactly) {
    struct Case {
        const wchar_t* name;
        E encoding;
    };
    const Case cases[] = {
        {L"Default", E::None},
        {L"", E::None},
        {L"ANSI", E::Ansi},
        {L"UTF-8 (Default Unicode)", E::Utf8},
        {L"UTF-16 (Little Endian)", E::Utf16LE},
        {L"UTF-16 (Big Endian)", E::Utf16BE},
        {L"DOS / OEM 437", E::Oem437},
        {L"UTF-8 without mark", E::Utf8NoMark},
        {L"DOS 866 (Cyrillic)", E::Dos866},
        {L"Windows 1252 (Western)", E::Windows1252},
        {L"DOS 437 inside UTF-8", E::Oem437InUtf8},
        {L"ansi", E::None},
        {L"UTF-8", E::None},
    };
    for (const Case& c : cases) EXPECT_EQ(encodingFromName(c.name), c.encoding) << fuzz::narrowed(c.name);
    // What the registry keeps for a file comes back as the same encoding, and nothing
    // unknown is taken for one.
    for (size_t index = 0; index < kEncodingCount; ++index) {
        const auto encoding = static_cast<E>(index);
        EXPECT_EQ(encodingFromKeyword(encodingKeyword(encoding)), encoding) << index;
    }
    EXPECT_EQ(encodingFromKeyword(L"DOS866"), E::None);
}

TEST(TextEncoding, ByteOrderMarks) {
    struct Case {
        std::string bytes;
        E mark;
    };
    const Case cases[] = {
        {"", E::None},
        {"\xFF", E::None},
        {"\xEF\xBB", E::None},
        {"\xEF\xBB\xBF", E::Utf8},
        {"\xFF\xFE", E::Utf16LE},
        {std::string("\xFF\xFE\0\0", 4), E::Utf16LE},
        {"\xFE\xFF", E::Utf16BE},
        {"\xFE\xFE", E::None},
        {"ab", E::None},
    };
    for (const Case& c : cases) EXPECT_EQ(byteOrderMarkOf(c.bytes), c.mark);
}

// Automatic reading by the mark and the kind of file, explicit choices, and what is
// kept aside; the system's ANSI code page here is Latin-1. Where that is UTF-8, unmarked
// text that is not UTF-8 is read in the code page opening names (`unmarked`).
TEST(TextEncoding, DecodingFollowsTheChoiceTheMarkAndTheKindOfFile) {
    struct Case {
        const char* what;
        std::string bytes;
        bool nfo;
        E chosen;
        std::wstring text;
        E encoding;
        std::string lead;
        bool exact = true;
        E unmarked = E::None;
    };
    const std::string ff = "\xFF\xFE";
    const Case cases[] = {
        {"empty file", "", false, E::None, L"", E::None, ""},
        {"UTF-16 LE mark", ff + std::string("A\0", 2), false, E::None, L"A", E::Utf16LE, ff},
        {"UTF-16 BE mark", std::string("\xFE\xFF\0A\0\n", 6), false, E::None, L"A\r\n", E::Utf16BE, "\xFE\xFF"},
        {"UTF-8 mark", "\xEF\xBB\xBFhi", false, E::None, L"hi", E::Utf8, "\xEF\xBB\xBF"},
        {"a stray UTF-8 mark before art is kept aside", "\xEF\xBB\xBFRelease \xDB", true, E::None, L"Release \x2588",
         E::Oem437, "\xEF\xBB\xBF"},
        {"a stray UTF-8 mark in a text file", "\xEF\xBB\xBF\xE9t\xE9", false, E::None, L"\xE9t\xE9", E::None,
         "\xEF\xBB\xBF"},
        {"a UTF-16 mark before half a pair in an NFO",
         ff + std::string("\x00\xD8"
                          "a",
                          3),
         true, E::None,
         L" \x256A"
         L"a",
         E::Oem437, ff},
        {"half a pair in a text file stays UTF-16",
         ff + std::string("\x00\xD8"
                          "a\0",
                          4),
         false, E::None,
         L"\xD800"
         L"a",
         E::Utf16LE, ff},
        {"an odd byte count in a text file", ff + std::string("h\0i", 3), false, E::None, L"h\xFFFD", E::Utf16LE, ff,
         false},
        {"an odd byte count in an NFO", ff + std::string("h\0i", 3), true, E::None, L"h i", E::None, ff},
        {"UTF-16 whole pairs in an NFO", ff + std::string("\x3D\xD8\x00\xDE", 4), true, E::None, L"\xD83D\xDE00",
         E::Utf16LE, ff},
        {"437 chosen over a UTF-16 mark", ff + std::string("h\0", 2), false, E::Oem437, L"\xA0\x25A0h ", E::Oem437, ""},
        {"UTF-8 without mark chosen keeps the mark", "\xEF\xBB\xBFhi", false, E::Utf8NoMark, L"hi", E::Utf8,
         "\xEF\xBB\xBF"},
        {"ANSI chosen over a UTF-8 mark", "\xEF\xBB\xBFhi", false, E::Ansi, L"\xEF\xBB\xBFhi", E::Ansi, ""},
        {"UTF-8 chosen without a mark", "hi", false, E::Utf8, L"hi", E::Utf8NoMark, ""},
        {"UTF-8 chosen for bytes that are not", "caf\xE9", false, E::Utf8, L"caf\xFFFD", E::Utf8NoMark, "", false},
        {"UTF-16 LE chosen without a mark", std::string("h\0i\0", 4), false, E::Utf16LE, L"hi", E::Utf16LE, ""},
        {"NUL shown as space", std::string("a\0b", 3), false, E::None, L"a b", E::None, ""},
        {"NFO art", "\xDB\xCD\x81\n", true, E::None, L"\x2588\x2550\xFC\r\n", E::Oem437, ""},
        {"the same bytes in a text file", "\xDB\xCD\x81", false, E::None, L"\xDB\xCD\x81", E::None, ""},
        {"the DOS symbols of control bytes", "\x01\x1A\x7F\t\xDB", true, E::None, L"\x263A\x2192\x2302\t\x2588",
         E::Oem437, ""},
        {"plain ASCII NFO", "hi", true, E::None, L"hi", E::None, ""},
        {"UTF-8 without a mark", "m\xC3\xBCssen", true, E::None, L"m\xFCssen", E::Utf8NoMark, ""},
        {"a cut UTF-8 sequence is art", "\xE2\x96", true, E::None, L"\x393\xFB", E::Oem437, ""},
        {"a last byte that continues nothing is art", "\xE2\x96\xDB", true, E::None, L"\x393\xFB\x2588", E::Oem437, ""},
        {"DOS 850", "\x9B\xF4", false, E::Dos850, L"\xF8\xB6", E::Dos850, ""},
        {"DOS 866", "\x8F\xE0\xA8\xA2\xA5\xE2", true, E::Dos866, L"\x41F\x440\x438\x432\x435\x442", E::Dos866, ""},
        {"Windows 1251", "\xCF\xF0\xE8", false, E::Windows1251, L"\x41F\x440\x438", E::Windows1251, ""},
        {"Windows 1250", "\x8A\xB9", false, E::Windows1250, L"\x160\x105", E::Windows1250, ""},
        {"Windows 1252 keeps its undefined bytes", "\x80\x81", true, E::Windows1252, L"\x20AC\x81", E::Windows1252, ""},
        {"art read as 1252 and saved as UTF-8",
         "\xC3\x9B\xC3\x9B\xC3\x9B \xC2\xB1\xC2\xB0\xC3\x8D\xC3\x8D\xC3\x8D\xC2\xBB\x01", true, E::None,
         L"\x2588\x2588\x2588 \x2592\x2591\x2550\x2550\x2550\x2557\x263A", E::Oem437InUtf8, ""},
        {"the same in a text file stays what it says", "\xC3\x9B\xC3\x9B\xC3\x9B \xC2\xB1", false, E::None,
         L"\xDB\xDB\xDB \xB1", E::Utf8NoMark, ""},
        {"German UTF-8 in an NFO stays German",
         "\xC3\x9C"
         "ber Gr\xC3\xB6\xC3\x9F"
         "e \xC3\x9C\xC3\x9C",
         true, E::None,
         L"\xDC"
         L"ber Gr\xF6\xDF"
         L"e \xDC\xDC",
         E::Utf8NoMark, ""},
        {"real box drawing in UTF-8 stays", "\xE2\x96\x88\xE2\x96\x88\xE2\x96\x88 \xC2\xB1", true, E::None,
         L"\x2588\x2588\x2588 \xB1", E::Utf8NoMark, ""},
        {"unmarked text in the code page opening names", "caf\xE9", false, E::None, L"caf\xE9", E::Windows1252, "",
         true, E::Windows1252},
        {"and NFO art still as 437", "\xDB", true, E::None, L"\x2588", E::Oem437, "", true, E::Windows1252},
        {"and ASCII as ASCII", "plain", false, E::None, L"plain", E::None, "", true, E::Windows1252},
    };
    const fuzz::Latin1Decoder decoder;
    const fuzz::Latin1Encoder encoder;
    for (const Case& c : cases) {
        const DecodedDocument document = decodeDocument(c.bytes, c.chosen, decoder, encoder, {c.nfo, c.unmarked});
        EXPECT_EQ(document.text, c.text) << c.what;
        EXPECT_EQ(document.encoding, c.encoding) << c.what;
        EXPECT_EQ(document.lead, c.lead) << c.what;
        EXPECT_EQ(document.exact, c.exact) << c.what;
    }
}

// Art that an editor read as 1252 is told from text by its blocks, frames and shades,
// each threshold on its edge.
TEST(TextEncoding, ArtReadAs1252IsToldFromTextThatHasAccents) {
    struct Case {
        const char* what;
        std::wstring text;
        bool art;
    };
    const Case cases[] = {
        {"blocks, shades and a frame", L"\xDB\xDB\xDB\xDB \xB2\xB1\xB0 \xC9\xCD\xCD\xBB", true},
        {"a frame of lines", L"\xC9\xCD\xCD\xCD\xBB\r\n\xBA  \xBA\r\n\xC8\xCD\xCD\xCD\xBC", true},
        {"blocks and dots", L"\xDB\xDB\xDB \xFE\xFE\xFE\xFE \xB0", true},
        {"two blocks in a row are not enough", L"\xDB\xDB \xB1\xB1\xB1\xB1\xB1\xB1\xB2", false},
        {"blocks with nothing beside them", L"\xDB\xDB\xDB\xDB\xDB\xDB\xDB\xDB", false},
        {"seven are too few", L"\xDC\xDC\xDC \xB0\xB0\xB0\xB0", false},
        {"eight are enough", L"\xDC\xDC\xDC \xB0\xB0\xB0\xB0\xB0", true},
        {"a few letters too many", L"\xDB\xDB\xDB\xB2\xB1\xB0\xC9\xCD\xCD\xBB \xE4\xF6\xFC\xE4", false},
        {"as many letters as allowed", L"\xDB\xDB\xDB\xB2\xB1\xB0\xC9\xCD\xCD\xBB\xBB\xBB \xE4\xF6\xFC\xE4", true},
        {"a character 1252 lacks", L"\xDB\xDB\xDB\xDB \xB2\xB1\xB0 \xC9\xCD\xCD\xBB \x2550", false},
        {"German with capitals",
         L"\xDC\xDC\xDC\xDC Gr\xF6\xDF"
         L"e f\xFCr \xC4rger \xD6l \xDC"
         L"bel \xE4\xF6\xFC",
         false},
    };
    for (const Case& c : cases) EXPECT_EQ(looksLikeArtReadAs1252(c.text), c.art) << c.what;
}

// Bytes of every kind, read with every choice in files of both kinds: saved again in
// what they were read with, they come back but for NUL and the line breaks, exactly
// when the document says it is exact. The ANSI code page is a double-byte one. The
// decode fuzzer holds the same for bytes of no kind at all.
TEST(TextEncoding, ADocumentIsExactWhenAndOnlyWhenItsBytesComeBack) {
    std::vector<std::string> samples = {
        "",
        "\xDB\xDB\xB0\xCD\x81\r\n\x01\x7F\tx",
        "Gr\xF6\xDF"
        "e f\xFCr\n",
        "m\xC3\xBCssen \xE2\x96\x88\r",
        std::string("a\0b\r\rc\n\n", 9),
        "\x82\xA0\x81 \x9F",
        "\x81",
        std::string("\xFF\xFEh\0\x00\xD8", 6),
        std::string("\xFF\xFEh\0i", 5),
        std::string("\xFE\xFF\0h\xDC\0", 6),
        "\xEF\xBB\xBF\xDB\xDB",
        "\xEF\xBB\xBFok",
        "\xEF\xBB\xBF\xC3\x9B\xC3\x9B\xC3\x9B \xC2\xB1",
        "\xC3\x9B\xC3\x9B\xC3\x9B\xE2\x95\x90 \xC2\xB0",
        "\xC3\x9B\xC3\x9B\xC3\x9B\xC3\x9B \xC2\xB1\xC2\xB0\xC3\x8D\xC3\x8D\x01\r\n",
        "\xED\xA0\x80",
        "\xC0\xAF",
        "\xF0\x9F\x98\x80",
        std::string("\xFF\xFE\0", 3),
    };
    std::string sauce = "SAUCE00" + std::string(121, '\0');  // a record of zeros, then one with five comments
    samples.push_back("\xDB\r\x1A" + sauce);
    sauce[104] = 5;
    samples.push_back("\xFF\xFE\xDB\x1A" + sauce);
    const fuzz::DoubleByteCodec codec;
    for (const std::string& bytes : samples) {
        for (int choice = 0; choice < static_cast<int>(kEncodingCount); ++choice) {
            for (const ReadingRules rules : {ReadingRules{false}, ReadingRules{true},
                                             ReadingRules{false, E::Windows1252}, ReadingRules{false, E::UserAnsi}}) {
                const DecodedDocument document = decodeDocument(bytes, static_cast<E>(choice), codec, codec, rules);
                const std::string expected = fuzz::savedAgain(bytes, document);
                const auto saved =
                    encodeForSaving(document.text, document.encoding, codec, false, document.lead, document.trail);
                EXPECT_EQ(document.exact, saved == expected)
                    << fuzz::narrowed(encodingName(static_cast<E>(choice))) << " nfo " << rules.nfoKind << " bytes "
                    << ::testing::PrintToString(bytes);
            }
        }
    }
}

TEST(TextEncoding, TheStatusBarNamesTheReadingAndWhetherItIsExact) {
    struct Case {
        E encoding;
        std::string lead;
        bool exact;
        unsigned codePage;
        const wchar_t* text;
    };
    const Case cases[] = {
        {E::None, "", true, 1252, L"ANSI 1252"},
        {E::Ansi, "", false, 932, L"ANSI 932 (lossy)"},
        {E::Oem437, "", true, 1251, L"DOS 437"},
        {E::Dos866, "", true, 1252, L"DOS 866"},
        {E::Windows1252, "", true, 65001, L"Windows 1252"},
        {E::Utf8, std::string(kUtf8Mark), true, 1252, L"UTF-8"},
        {E::Utf8NoMark, "", false, 1252, L"UTF-8 (no mark) (lossy)"},
        {E::Utf16LE, "\xFF\xFE", true, 1252, L"UTF-16 LE"},
        {E::Utf16BE, "\xFE\xFF", true, 1252, L"UTF-16 BE"},
        {E::Utf16LE, "", true, 1252, L"UTF-16 LE (no mark)"},
        {E::Oem437InUtf8, "", true, 1252, L"DOS 437 in UTF-8"},
        {E::UserAnsi, "", true, 65001, L"ANSI 932"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodingStatusText(c.encoding, c.lead, c.exact, c.codePage, 932), c.text) << fuzz::narrowed(c.text);
    }
}

TEST(TextEncoding, LineBreaksBecomeCrLfAndNulsSpaces) {
    struct Case {
        std::wstring in;
        std::wstring out;
    };
    const Case cases[] = {
        {L"", L""},
        {L"a\nb\n", L"a\r\nb\r\n"},
        {L"a\rb\r", L"a\r\nb\r\n"},
        {L"a\r\nb", L"a\r\nb"},
        {L"\n\r", L"\r\n\r\n"},
        {L"\r\r\n\n", L"\r\n\r\n\r\n"},
        {L"\n", L"\r\n"},
        {L"\r", L"\r\n"},
        {std::wstring(L"\0a\0", 3), L" a "},
        {L"x\r\n\r\ny", L"x\r\n\r\ny"},
    };
    for (const Case& c : cases) {
        std::wstring text = c.in;
        normaliseForEditor(text);
        EXPECT_EQ(text, c.out);
    }
}

}  // namespace
}  // namespace vantry
