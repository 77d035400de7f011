#include "documents/portable/image_export.h"
#include "documents/portable/text_encoding.h"

#include <gtest/gtest.h>

namespace vantry {
namespace {

// Tags what each system conversion was given, so the tests see which bytes went where.
class TaggingDecoder : public ByteTextDecoder {
public:
    std::wstring decodeAnsi(std::string_view bytes, size_t) const override { return tagged(L"A:", bytes); }
    std::wstring decodeUtf8(std::string_view bytes, size_t) const override { return tagged(L"U:", bytes); }

private:
    static std::wstring tagged(const wchar_t* tag, std::string_view bytes) {
        std::wstring text = tag;
        for (char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
        return text;
    }
};

TEST(TextEncoding, ListEntriesAndNamesMatchExactly) {
    struct Case { const wchar_t* name; TextEncoding encoding; };
    const Case cases[] = {
        {L"Default", TextEncoding::None}, {L"", TextEncoding::None},
        {L"ANSI", TextEncoding::Ansi}, {L"UTF-8 (Default Unicode)", TextEncoding::Utf8},
        {L"UTF-16 (Little Endian)", TextEncoding::Utf16LE},
        {L"UTF-16 (Big Endian)", TextEncoding::Utf16BE}, {L"DOS / OEM 437", TextEncoding::Oem437},
        {L"UTF-8 without mark", TextEncoding::Utf8NoMark},
        {L"ansi", TextEncoding::None}, {L"UTF-8", TextEncoding::None},
    };
    for (const Case& c : cases) EXPECT_EQ(encodingFromName(c.name), c.encoding) << c.name;
}

TEST(TextEncoding, ByteOrderMarks) {
    struct Case { std::string bytes; TextEncoding mark; };
    const Case cases[] = {
        {"", TextEncoding::None}, {"\xFF", TextEncoding::None},
        {"\xEF\xBB", TextEncoding::None}, {"\xEF\xBB\xBF", TextEncoding::Utf8},
        {"\xFF\xFE", TextEncoding::Utf16LE}, {std::string("\xFF\xFE\0\0", 4), TextEncoding::Utf16LE},
        {"\xFE\xFF", TextEncoding::Utf16BE}, {"\xFE\xFE", TextEncoding::None},
        {"ab", TextEncoding::None},
    };
    for (const Case& c : cases) EXPECT_EQ(byteOrderMarkOf(c.bytes), c.mark);
}

// Chosen encodings and marks; under "Default" NFO art as code page 437, UTF-8 without a
// mark as UTF-8, and a mark the content contradicts read as if it were not there.
TEST(TextEncoding, DecodingFollowsTheChoiceTheMarkAndTheKindOfFile) {
    using E = TextEncoding;
    struct Case { const char* what; std::string bytes; bool nfo; E chosen; std::wstring text; E encoding; };
    const Case cases[] = {
        {"empty file", "", false, E::None, L"A:", E::None},
        {"one byte", "x", false, E::None, L"A:x", E::None},
        {"UTF-16 LE mark", std::string("\xFF\xFE" "A\0", 4), false, E::None, L"A", E::Utf16LE},
        {"UTF-16 BE mark", std::string("\xFE\xFF\0A\0\n", 6), false, E::None, L"A\r\n", E::Utf16BE},
        {"UTF-8 mark", "\xEF\xBB\xBFhi", false, E::None, L"U:hi", E::Utf8},
        {"mark only", "\xFF\xFE", false, E::None, L"", E::Utf16LE},
        {"UTF-8 mark opened as ANSI", "\xEF\xBB\xBFhi", false, E::Ansi, L"A:\xEF\xBB\xBFhi", E::Utf8},
        {"no mark opened as UTF-8", "hi", false, E::Utf8, L"U:hi", E::Utf8},
        {"own mark skipped", "\xEF\xBB\xBFhi", false, E::Utf8, L"U:hi", E::Utf8},
        {"other mark decoded as text", std::string("\xFF\xFEh\0", 4), false, E::Utf16BE, L"\xFFFE\x6800",
         E::Utf16LE},
        {"UTF-16 LE chosen without mark", std::string("h\0i\0", 4), false, E::Utf16LE, L"hi", E::Utf16LE},
        {"odd UTF-16 keeps its last byte", std::string("\xFF\xFEh\0i", 5), false, E::None, L"h\xFFFD",
         E::Utf16LE},
        {"NUL shown as space", std::string("a\0b", 3), false, E::None, L"A:a b", E::None},
        {"UTF-16 NUL shown as space", std::string("\xFF\xFE\0\0x\0", 6), false, E::None, L" x",
         E::Utf16LE},
        {"NFO art", "\xDB\xCD\x81\n", true, E::None, L"\x2588\x2550\xFC\r\n", E::Oem437},
        {"the same bytes in a text file", "\xDB\xCD\x81", false, E::None, L"A:\xDB\xCD\x81", E::None},
        {"the DOS symbols of control bytes", "\x01\x1A\x7F\t\xDB", true, E::None, L"\x263A\x2192\x2302\t\x2588",
         E::Oem437},
        {"plain ASCII NFO as before", "hi", true, E::None, L"A:hi", E::None},
        {"UTF-8 without a mark", "m\xC3\xBCssen", true, E::None, L"U:m\xC3\xBCssen", E::Utf8NoMark},
        {"UTF-8 block art in a text file", "\xE2\x96\x88", false, E::None, L"U:\xE2\x96\x88", E::Utf8NoMark},
        {"a cut UTF-8 sequence is art", "\xE2\x96", true, E::None, L"\x393\xFB", E::Oem437},
        {"a stray UTF-8 mark before art", "\xEF\xBB\xBF\xDB", true, E::None, L"\x2229\x2557\x2510\x2588", E::Oem437},
        {"a stray UTF-8 mark in a text file", "\xEF\xBB\xBF\xDB", false, E::None, L"A:\xEF\xBB\xBF\xDB", E::None},
        {"a UTF-16 mark before half a pair", std::string("\xFF\xFE\x00\xD8" "a", 5), true, E::None,
         L"\xA0\x25A0 \x256A" L"a", E::Oem437},
        {"a UTF-16 mark before whole pairs", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), true, E::None,
         L"\xD83D\xDE00", E::Utf16LE},
        {"ANSI chosen for art", "\xDB", true, E::Ansi, L"A:\xDB", E::Ansi},
        {"437 chosen for a text file", "\xDB", false, E::Oem437, L"\x2588", E::Oem437},
    };
    const TaggingDecoder decoder;
    for (const Case& c : cases) {
        const DecodedDocument document = decodeDocument(c.bytes, c.chosen, decoder, c.nfo);
        EXPECT_EQ(document.text, c.text) << c.what;
        EXPECT_EQ(document.encoding, c.encoding) << c.what;
    }
}

TEST(ImageExport, EachLineOfTheTextIsOneLineOfThePicture) {
    EXPECT_TRUE(documentLines(L"").empty());
    EXPECT_EQ(documentLines(L"a\r\n\r\nb\r\n"), (std::vector<std::wstring_view>{L"a", L"", L"b"}));
}

TEST(TextEncoding, LineBreaksBecomeCrLfAndNulsSpaces) {
    struct Case { std::wstring in; std::wstring out; };
    const Case cases[] = {
        {L"", L""}, {L"a\nb\n", L"a\r\nb\r\n"}, {L"a\rb\r", L"a\r\nb\r\n"}, {L"a\r\nb", L"a\r\nb"},
        {L"\n\r", L"\r\n\r\n"}, {L"\r\r\n\n", L"\r\n\r\n\r\n"}, {L"\n", L"\r\n"}, {L"\r", L"\r\n"},
        {std::wstring(L"\0a\0", 3), L" a "}, {L"x\r\n\r\ny", L"x\r\n\r\ny"},
    };
    for (const Case& c : cases) {
        std::wstring text = c.in;
        normaliseForEditor(text);
        EXPECT_EQ(text, c.out);
    }
}

}  // namespace
}  // namespace vantry
