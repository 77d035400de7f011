// The NFO faces the program ships, and the choice of the display font.
#include <gtest/gtest.h>

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
    const HDC screenDc = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screenDc);
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screenDc, 32, 32));
    ReleaseDC(nullptr, screenDc);
    const GdiObject<HFONT> font = createDisplayFont({face, 0, height, {}});
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap.get());
    const HGDIOBJ oldFont = SelectObject(dc, font.get());
    RECT all{0, 0, 32, 32};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 0, 0, &character, 1);
    std::vector<std::string> rows;
    for (int y = 0; y < 32; ++y) {
        std::string row;
        for (int x = 0; x < 32; ++x) row += GetPixel(dc, x, y) == RGB(0, 0, 0) ? '#' : '.';
        rows.push_back(row);
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    return rows;
}

int inkedPixels(const std::vector<std::string>& rows) {
    int count = 0;
    for (const std::string& row : rows) count += static_cast<int>(std::count(row.begin(), row.end(), '#'));
    return count;
}

TEST_F(FontFiles, EachFaceResolvesToItselfAsTheProgramAsksForIt) {
    ASSERT_TRUE(screen.loaded());
    ASSERT_TRUE(printer.loaded());
    for (const wchar_t* face : {L"ASCII VGA", L"ASCII EGA", L"ASCII"}) {
        const GdiObject<HFONT> font = createDisplayFont({face, 12, -16, {}});
        const HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, font.get());
        wchar_t resolved[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, resolved);
        SelectObject(dc, old);
        DeleteDC(dc);
        EXPECT_STREQ(resolved, face);
    }
}

TEST_F(FontFiles, ArtCharactersDrawBoxShapesInCells) {
    ASSERT_EQ(GetACP(), 1252u) << "the tests expect the Western code page";
    const auto block = drawCharacter(L"ASCII VGA", -16, L'\x00DB');  // byte 0xDB of an NFO file
    EXPECT_EQ(inkedPixels(block), 8 * 16);
    for (int y = 0; y < 16; ++y) EXPECT_EQ(block[static_cast<size_t>(y)].substr(0, 9), "########.") << y;
    EXPECT_EQ(drawCharacter(L"ASCII EGA", -14, L'\x00DB'), drawCharacter(L"ASCII EGA", -14, L'\x2588'));
    // Lines sit where the cell puts them, so that neighbouring cells join.
    const auto corner = drawCharacter(L"ASCII VGA", -16, L'\x00C0');  // byte 0xC0: bottom-left corner
    EXPECT_EQ(corner[0].substr(0, 9), "...##....");
    EXPECT_EQ(corner[7].substr(0, 9), "...#####.");

    struct Case { wchar_t ansi; wchar_t unicode; };
    const Case sameShape[] = {{L'\x00C9', L'\x2554'}, {L'\x00B0', L'\x2591'}, {L'\x00B2', L'\x2593'},
                              {L'\x00DF', L'\x2580'}, {L'\x00DC', L'\x2584'}, {L'\x00C4', L'\x2500'}, {L'\x00CD', L'\x2550'}, {L'\x00BA', L'\x2551'}};
    for (const Case& c : sameShape) {
        const auto shape = drawCharacter(L"ASCII VGA", -16, c.ansi);
        EXPECT_GT(inkedPixels(shape), 0) << std::hex << static_cast<int>(c.ansi);
        EXPECT_EQ(shape, drawCharacter(L"ASCII VGA", -16, c.unicode)) << std::hex << static_cast<int>(c.ansi);
    }
    EXPECT_EQ(inkedPixels(drawCharacter(L"ASCII VGA", -16, L'\x2584')), 8 * 8);  // lower half
    EXPECT_NE(drawCharacter(L"ASCII VGA", -16, L'\x00CD'), drawCharacter(L"ASCII VGA", -16, L'\x00C4'))
        << "double and single lines differ";
}

TEST(FontFileLifetime, TheMainWindowReleasesTheFontFilesInTheOrderItRegisteredThem) {
    CleanSettingsKey clean;
    ScriptedUi ui;
    std::vector<std::wstring> released;
    setFontFileReleaseObserver([&released](const std::wstring& path) { released.push_back(fileNameOf(path)); });
    makeMainWindow().reset();
    setFontFileReleaseObserver(nullptr);
    EXPECT_EQ(released, (std::vector<std::wstring>{L"fdata.nf", L"tfdata.nf"}));
}

}  // namespace
}  // namespace vantry::testing
