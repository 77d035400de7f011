// The NFO faces the program ships: code page 437's characters as real Unicode, and the
// 1252 companions that draw art read with the ANSI code page.
#include <gtest/gtest.h>

#include "documents/code_page_437.h"
#include "documents/paths.h"
#include "settings/display_font.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

class FontFiles : public ::testing::Test {
protected:
    PrivateFontFile screen{directoryOf(testProgramPath()) + L"fdata.nf"};
    PrivateFontFile printer{directoryOf(testProgramPath()) + L"tfdata.nf"};
};

// The pixels one character draws, black on white, as rows of '#' and '.'.
std::vector<std::string> drawCharacter(const wchar_t* face, int height, wchar_t character) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const GdiObject<HBITMAP> bitmap(CreateBitmap(32, 32, 1, 1, nullptr));
    const GdiObject<HFONT> font = createDisplayFont({face, 0, height, {}});
    const ScopedSelection selectedBitmap(dc, bitmap.get());
    const ScopedSelection selectedFont(dc, font.get());
    RECT all{0, 0, 32, 32};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 0, 0, &character, 1);
    std::vector<std::string> rows(32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) rows[static_cast<size_t>(y)] += GetPixel(dc, x, y) == RGB(0, 0, 0) ? '#' : '.';
    }
    DeleteDC(dc);
    return rows;
}

int inkedPixels(const std::vector<std::string>& rows) {
    int count = 0;
    for (const std::string& row : rows) count += static_cast<int>(std::count(row.begin(), row.end(), '#'));
    return count;
}

TEST_F(FontFiles, EveryFaceDrawsCodePage437AndTheCompanionsDrawArtAt1252sCharacters) {
    ASSERT_TRUE(screen.loaded() && printer.loaded());
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\t' && byte != '\n' && byte != '\r') bytes += static_cast<char>(byte);  // kept as themselves
    }
    const std::wstring characters = decodeCp437(bytes);
    struct Face { const wchar_t* name; int height; };
    for (const Face face : {Face{L"ASCII VGA", 16}, Face{L"ASCII EGA", 14}, Face{L"ASCII", 16}}) {
        const std::wstring companion = std::wstring(face.name) + L" 1252";
        for (const std::wstring& name : {std::wstring(face.name), companion}) {
            const GdiObject<HFONT> font = createDisplayFont({name, 0, -face.height, {}});
            const HDC dc = CreateCompatibleDC(nullptr);
            const HGDIOBJ old = SelectObject(dc, font.get());
            wchar_t resolved[LF_FACESIZE] = {};
            GetTextFaceW(dc, LF_FACESIZE, resolved);
            std::vector<WORD> glyphs(characters.size());
            GetGlyphIndicesW(dc, characters.c_str(), static_cast<int>(characters.size()), glyphs.data(),
                             GGI_MARK_NONEXISTING_GLYPHS);
            SelectObject(dc, old);
            DeleteDC(dc);
            EXPECT_EQ(resolved, name) << "the face is found as the program asks for it";
            if (name == face.name) {
                EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), 0xFFFF), 0) << narrow(name);
            }
        }
        const auto block = drawCharacter(face.name, -face.height, L'\x2588');
        EXPECT_EQ(inkedPixels(block), 8 * face.height) << narrow(face.name);
        EXPECT_EQ(drawCharacter(companion.c_str(), -face.height, L'\x00DB'), block) << "byte 0xDB read as 1252";
        EXPECT_EQ(drawCharacter(companion.c_str(), -face.height, L'\x00B0'),
                  drawCharacter(face.name, -face.height, L'\x2591')) << "byte 0xB0 read as 1252";
    }
    EXPECT_NE(drawCharacter(L"ASCII VGA", -16, L'\x00FC'), drawCharacter(L"ASCII VGA", -16, L'\x207F'))
        << "a real u with two dots is not art";
    EXPECT_NE(drawCharacter(L"ASCII VGA", -16, L'\x2550'), drawCharacter(L"ASCII VGA", -16, L'\x2500'));
}

}  // namespace
}  // namespace vantry::testing
