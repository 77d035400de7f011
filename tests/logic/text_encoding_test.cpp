#include "documents/text_encoding.h"

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
        {L"UTF-16 (Big Endian)", TextEncoding::Utf16BE},
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

TEST(TextEncoding, DecodingFollowsTheChoiceAndTheMark) {
    using E = TextEncoding;
    struct Case { const char* what; std::string bytes; E chosen; std::wstring text; E encoding; };
    const Case cases[] = {
        {"empty file", "", E::None, L"A:", E::None},
        {"one byte", "x", E::None, L"A:x", E::None},
        {"ANSI art", "\xDB\xDB\n", E::None, L"A:\xDB\xDB\r\n", E::None},
        {"UTF-16 LE mark", std::string("\xFF\xFE" "A\0", 4), E::None, L"A", E::Utf16LE},
        {"UTF-16 BE mark", std::string("\xFE\xFF\0A\0\n", 6), E::None, L"A\r\n", E::Utf16BE},
        {"UTF-8 mark", "\xEF\xBB\xBFhi", E::None, L"U:hi", E::Utf8},
        {"mark only", "\xFF\xFE", E::None, L"", E::Utf16LE},
        {"UTF-8 mark opened as ANSI", "\xEF\xBB\xBFhi", E::Ansi, L"A:\xEF\xBB\xBFhi", E::Utf8},
        {"no mark opened as UTF-8", "hi", E::Utf8, L"U:hi", E::Utf8},
        {"own mark skipped", "\xEF\xBB\xBFhi", E::Utf8, L"U:hi", E::Utf8},
        {"other mark decoded as text", std::string("\xFF\xFEh\0", 4), E::Utf16BE, L"\xFFFE\x6800",
         E::Utf16LE},
        {"UTF-16 LE chosen without mark", std::string("h\0i\0", 4), E::Utf16LE, L"hi", E::Utf16LE},
        {"odd UTF-16 keeps its last byte", std::string("\xFF\xFEh\0i", 5), E::None, L"h\xFFFD",
         E::Utf16LE},
        {"NUL shown as space", std::string("a\0b", 3), E::None, L"A:a b", E::None},
        {"UTF-16 NUL shown as space", std::string("\xFF\xFE\0\0x\0", 6), E::None, L" x",
         E::Utf16LE},
    };
    const TaggingDecoder decoder;
    for (const Case& c : cases) {
        const DecodedDocument document = decodeDocument(c.bytes, c.chosen, decoder);
        EXPECT_EQ(document.text, c.text) << c.what;
        EXPECT_EQ(document.encoding, c.encoding) << c.what;
    }
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
