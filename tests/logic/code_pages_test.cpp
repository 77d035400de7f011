#include "documents/portable/utf8_form.h"
#include "documents/portable/code_pages.h"

#include <gtest/gtest.h>

#include <set>

namespace vantry {
namespace {

// Every code page reads its 256 bytes as 256 different characters and writes them back
// as they were: a document read in any of them saves byte for byte.
TEST(CodePages, EveryByteComesBackAsItWasAndReadsAsItsCharacter) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    for (const CodePage page : {CodePage::Dos437, CodePage::Dos850, CodePage::Dos866, CodePage::Windows1250,
                                CodePage::Windows1251, CodePage::Windows1252}) {
        const std::wstring text = decodeCodePage(all, page);
        ASSERT_EQ(text.size(), 256u);
        EXPECT_EQ(std::set<wchar_t>(text.begin(), text.end()).size(), 256u) << static_cast<int>(page);
        std::string back = "kept:";
        ASSERT_TRUE(encodeCodePage(text, page, back));
        EXPECT_EQ(back, "kept:" + all) << static_cast<int>(page);
    }
    struct Case {
        CodePage page;
        unsigned char byte;
        wchar_t character;
    };
    const Case known[] = {
        {CodePage::Dos437, 0xDB, L'\x2588'},      {CodePage::Dos437, 0xB0, L'\x2591'},
        {CodePage::Dos437, 0xCD, L'\x2550'},      {CodePage::Dos437, 0x81, L'\x00FC'},
        {CodePage::Dos437, 0xE1, L'\x00DF'},      {CodePage::Dos437, 0x01, L'\x263A'},
        {CodePage::Dos437, 0x7F, L'\x2302'},      {CodePage::Dos437, 0x0A, L'\n'},
        {CodePage::Dos437, 0x14, L'\x00B6'},      {CodePage::Dos850, 0x9B, L'\x00F8'},
        {CodePage::Dos850, 0xDB, L'\x2588'},      {CodePage::Dos850, 0x01, L'\x263A'},
        {CodePage::Dos850, 0xF4, L'\x00B6'},      {CodePage::Dos850, 0x14, L'\x0014'},
        {CodePage::Dos866, 0x80, L'\x0410'},      {CodePage::Dos866, 0xFC, L'\x2116'},
        {CodePage::Dos866, 0x1A, L'\x2192'},      {CodePage::Windows1250, 0x8A, L'\x0160'},
        {CodePage::Windows1251, 0xC0, L'\x0410'}, {CodePage::Windows1251, 0x01, L'\x0001'},
        {CodePage::Windows1252, 0x80, L'\x20AC'}, {CodePage::Windows1252, 0x81, L'\x0081'},
        {CodePage::Windows1252, 0xDB, L'\x00DB'},
    };
    for (const Case& c : known) {
        EXPECT_EQ(codePageCharacter(c.page, c.byte), c.character) << static_cast<int>(c.page) << " " << int{c.byte};
    }
}

TEST(CodePages, CharactersACodePageLacksAreRefusedAndRawControlsKept) {
    std::string out;
    EXPECT_TRUE(encodeCodePage(L"\x0001\t\x007F", CodePage::Dos437, out)) << "raw controls are their own bytes";
    EXPECT_EQ(out, "\x01\t\x7F");
    for (const wchar_t* lacking : {L"\x2588\x20AC", L"ab\x4E2D"})
        EXPECT_FALSE(encodeCodePage(lacking, CodePage::Dos437, out));
    EXPECT_FALSE(encodeCodePage(L"\x0416", CodePage::Windows1252, out)) << "1252 has no Cyrillic";
    EXPECT_EQ(out, "\x01\t\x7F") << "nothing of a refused text is written";
}

TEST(CodePages, Utf8WithoutAMarkIsRecognisedOnlyWhenWellFormed) {
    using F = Utf8Form;
    struct Case {
        const char* what;
        std::string bytes;
        F form;
    };
    const Case cases[] = {
        {"ASCII only", "plain text\r\n", F::Ascii},
        {"empty", "", F::Ascii},
        {"German note", "m\xC3\xBCssen", F::Valid},
        {"block art", "\xE2\x96\x88\xE2\x96\x88", F::Valid},
        {"emoji", "\xF0\x9F\x98\x80", F::Valid},
        {"overlong slash", "\xC0\xAF", F::Invalid},
        {"overlong 3 bytes", "\xE0\x80\xAF", F::Invalid},
        {"encoded surrogate", "\xED\xA0\x80", F::Invalid},
        {"above U+10FFFF", "\xF4\x90\x80\x80", F::Invalid},
        {"cut at the end", "ok \xE2\x96", F::Invalid},
        {"stray continuation", "a\x80", F::Invalid},
        {"437 block", "\xDB\xDB", F::Invalid},
        {"a last byte that continues nothing", "\xE2\x96\xDB", F::Invalid},
    };
    for (const Case& c : cases) EXPECT_EQ(utf8FormOf(c.bytes), c.form) << c.what;
}

}  // namespace
}  // namespace vantry
