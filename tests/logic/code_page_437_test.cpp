#include "documents/portable/code_page_437.h"

#include <gtest/gtest.h>

namespace vantry {
namespace {

TEST(CodePage437, EveryByteComesBackAsItWasAndTheArtIsRealUnicode) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    const std::wstring text = decodeCp437(all);
    ASSERT_EQ(text.size(), 256u);
    std::string back = "kept:";
    ASSERT_TRUE(encodeCp437(text, back));
    EXPECT_EQ(back, "kept:" + all);

    struct Case { unsigned char byte; wchar_t character; };
    const Case known[] = {{0xDB, L'\x2588'}, {0xB0, L'\x2591'}, {0xCD, L'\x2550'}, {0x81, L'\x00FC'},
                          {0xE1, L'\x00DF'}, {0x01, L'\x263A'}, {0x7F, L'\x2302'}, {0x0A, L'\n'}};
    for (const Case& c : known) EXPECT_EQ(cp437Character(c.byte), c.character) << int{c.byte};
    std::string out;
    EXPECT_TRUE(encodeCp437(L"\x0001\t\x007F", out)) << "raw controls are their own bytes";
    EXPECT_EQ(out, "\x01\t\x7F");
    for (const wchar_t* lacking : {L"\x2588\x20AC", L"ab\x4E2D"}) EXPECT_FALSE(encodeCp437(lacking, out));
    EXPECT_EQ(out, "\x01\t\x7F") << "nothing of a refused text is written";
}

TEST(CodePage437, Utf8WithoutAMarkIsRecognisedOnlyWhenWellFormed) {
    using F = Utf8Form;
    struct Case { const char* what; std::string bytes; F form; };
    const Case cases[] = {
        {"ASCII only", "plain text\r\n", F::Ascii}, {"empty", "", F::Ascii},
        {"German note", "m\xC3\xBCssen", F::Valid}, {"block art", "\xE2\x96\x88\xE2\x96\x88", F::Valid},
        {"emoji", "\xF0\x9F\x98\x80", F::Valid},
        {"overlong slash", "\xC0\xAF", F::Invalid}, {"overlong 3 bytes", "\xE0\x80\xAF", F::Invalid},
        {"encoded surrogate", "\xED\xA0\x80", F::Invalid}, {"above U+10FFFF", "\xF4\x90\x80\x80", F::Invalid},
        {"cut at the end", "ok \xE2\x96", F::Invalid}, {"stray continuation", "a\x80", F::Invalid},
        {"437 block", "\xDB\xDB", F::Invalid},
    };
    for (const Case& c : cases) EXPECT_EQ(utf8FormOf(c.bytes), c.form) << c.what;
}

}  // namespace
}  // namespace vantry
