#include "base/paths.h"
#include "settings/portable/font_choice.h"

#include <gtest/gtest.h>

namespace vantry {
namespace {

TEST(Paths, ExtensionFileNameAndDirectory) {
    struct Case {
        const wchar_t* path;
        const wchar_t* extension;
        const wchar_t* name;
        const wchar_t* dir;
    };
    const Case cases[] = {
        {L"C:\\Releases\\group.nfo", L"nfo", L"group.nfo", L"C:\\Releases\\"},
        {L"C:\\my.files\\readme", L"files\\readme", L"readme", L"C:\\my.files\\"},
        {L"C:\\x\\name.", L"C:\\x\\name.", L"name.", L"C:\\x\\"},
        {L"plain", L"plain", L"plain", L"plain"},
        {L"a/b/c.txt", L"txt", L"a/b/c.txt", L"a/b/c.txt"},
        {L"", L"", L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(extensionOf(c.path), c.extension) << c.path;
        EXPECT_EQ(fileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(directoryOf(c.path), c.dir) << c.path;
    }
}

TEST(Paths, LongPathsTakeTheExtendedFormAndLoseItWhenShown) {
    const std::wstring folder = L"C:\\" + std::wstring(250, L'f');
    const std::wstring share = L"\\\\server\\share\\" + std::wstring(240, L's');
    struct Case {
        std::wstring path;
        std::wstring extended;
    };
    const Case cases[] = {
        {L"C:\\short\\a.nfo", L"C:\\short\\a.nfo"},
        {std::wstring(L"C:\\") + std::wstring(244, L'x'), std::wstring(L"C:\\") + std::wstring(244, L'x')},  // 247
        {std::wstring(L"C:\\") + std::wstring(245, L'x'),
         std::wstring(L"\\\\?\\C:\\") + std::wstring(245, L'x')},  // 248
        {folder, L"\\\\?\\" + folder},
        {share, L"\\\\?\\UNC\\server\\share\\" + std::wstring(240, L's')},
        {L"\\\\?\\" + folder, L"\\\\?\\" + folder},
        {L"\\\\.\\" + std::wstring(250, L'd'), L"\\\\.\\" + std::wstring(250, L'd')},
        {std::wstring(250, L'r'), std::wstring(250, L'r')},  // relative: left to the system
    };
    for (const Case& c : cases) {
        EXPECT_EQ(extendedLengthPath(c.path), c.extended) << c.path.size();
        EXPECT_EQ(ordinaryPath(c.extended), c.path.starts_with(L"\\\\?\\") ? folder : c.path) << c.path.size();
    }
    // A temporary name beside a target takes the long form from its own length.
    const std::wstring edge = L"C:\\" + std::wstring(238, L'e') + L"\\a.nfo";  // 247: ordinary
    EXPECT_EQ(pathBeside(edge, L"~vantry-12-1.tmp"), L"\\\\?\\C:\\" + std::wstring(238, L'e') + L"\\~vantry-12-1.tmp");
    EXPECT_EQ(pathBeside(L"\\\\?\\C:\\short\\a.nfo", L"b.tmp"), L"C:\\short\\b.tmp");
    EXPECT_EQ(pathBeside(L"\\\\?\\" + folder + L"\\a.nfo", L"b.tmp"), L"\\\\?\\" + folder + L"\\b.tmp");
}

// Heights scale with the screen, the shipped faces by whole cells; zoom keeps those at
// whole cells (halves below 100 %) so art stays sharp, and moves other faces by tenths;
// the ends hold.
TEST(FontChoice, ScreenAndZoomKeepTheArtFacesSharp) {
    struct Step {
        int from;
        int direction;
        bool cellFace;
        int to;
    };
    const Step steps[] = {
        {100, 1, true, 200},  {200, 1, true, 300},  {400, 1, true, 400},  {100, -1, true, 50}, {50, -1, true, 50},
        {300, -1, true, 200}, {110, 1, true, 200},  {110, -1, true, 50},  // from a text face's zoom
        {100, 1, false, 110}, {390, 1, false, 400}, {400, 1, false, 400}, {50, -1, false, 50}, {200, -1, false, 190},
    };
    for (const Step& s : steps)
        EXPECT_EQ(zoomStep(s.from, s.direction, s.cellFace), s.to) << s.from << " " << s.cellFace;
    struct Height {
        const wchar_t* face;
        std::int32_t height;
        int dpi;
        int zoom;
        std::int32_t shown;
    };
    const Height heights[] = {
        {L"ASCII VGA", -16, 120, 100, -16},   {L"ASCII VGA", -16, 144, 100, -32},
        {L"ASCII VGA", -16, 192, 100, -32},   {L"ASCII VGA", -32, 144, 100, -48},
        {L"ASCII EGA", -14, 144, 100, -28},   {L"ASCII", 16, 144, 100, 32},
        {L"ASCII VGA", -20, 144, 100, -30},  // not a whole cell: as any face
        {L"Courier New", -13, 144, 100, -20}, {L"Courier New", -13, 120, 100, -16},
        {L"ASCII VGA", -16, 96, 200, -32},    {L"ASCII VGA", -16, 96, 50, -8},
        {L"ASCII EGA", -14, 144, 300, -84},   {L"ASCII VGA 1252", -16, 144, 100, -32},
        {L"ASCII VGA", -16, 96, 150, -16},    {L"Courier New", -13, 96, 150, -20},
        {L"Courier New", -13, 96, 100, -13},  {L"Courier New", 0, 96, 200, -32},
        {L"ASCII VGA", -48, 96, 50, -16},  // three cells: one, not one and a half
        {L"ASCII VGA", -32, 96, 50, -16},     {L"Courier New", 0, 144, 200, -48},
        {L"Courier New", 0, 144, 100, -24},
    };
    for (const Height& h : heights) {
        EXPECT_EQ(heightAtZoom({h.face, 12, h.height, {}}, h.dpi, h.zoom), h.shown)
            << h.face << " " << h.height << " " << h.dpi << " " << h.zoom;
    }
}

TEST(FontChoice, ExtensionKindIgnoresCaseAsWindowsDoes) {
    struct Case {
        const wchar_t* fileName;
        ExtensionKind kind;
    };
    const Case cases[] = {
        {L"0", ExtensionKind::Neither},
        {L"C:\\r\\group.nfo", ExtensionKind::Nfo},
        {L"C:\\r\\archive.diz", ExtensionKind::Nfo},
        {L"C:\\r\\notes.txt.nfo", ExtensionKind::Nfo},
        {L"C:\\r\\notes.txt", ExtensionKind::Text},
        {L"C:\\r\\README.NFO", ExtensionKind::Nfo},
        {L"C:\\r\\FILE_ID.DIZ", ExtensionKind::Nfo},
        {L"C:\\r\\Group.Nfo", ExtensionKind::Nfo},
        {L"C:\\r\\notes.TXT", ExtensionKind::Text},
        {L"C:\\r\\notes.tXt", ExtensionKind::Text},
        {L"C:\\r\\notes.nfoo", ExtensionKind::Neither},
        {L"C:\\r\\notes.nf", ExtensionKind::Neither},
        {L"C:\\r\\NFO", ExtensionKind::Neither},
        {L"C:\\my.files\\readme", ExtensionKind::Neither},
        {L"C:\\r\\name.", ExtensionKind::Neither},
    };
    for (const Case& c : cases) EXPECT_EQ(extensionKind(c.fileName), c.kind) << c.fileName;
}

TEST(FontChoice, ModeTimesKindPicksTheProfile) {
    using K = ExtensionKind;
    struct Case {
        std::wstring_view mode;
        K kind;
        std::optional<bool> nfo;
    };
    const Case cases[] = {
        {kAlwaysAscii, K::Nfo, true},
        {kAlwaysAscii, K::Text, true},
        {kAlwaysAscii, K::Neither, true},
        {kAlwaysAnsi, K::Nfo, false},
        {kAlwaysAnsi, K::Text, false},
        {kAlwaysAnsi, K::Neither, false},
        {kExtensionSelectDefaultAscii, K::Nfo, true},
        {kExtensionSelectDefaultAscii, K::Text, false},
        {kExtensionSelectDefaultAscii, K::Neither, true},
        {kExtensionSelectDefaultAnsi, K::Nfo, true},
        {kExtensionSelectDefaultAnsi, K::Text, false},
        {kExtensionSelectDefaultAnsi, K::Neither, false},
        {L"", K::Nfo, std::nullopt},
        {L"AlwaysAscii", K::Nfo, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(usesNfoProfile(c.mode, c.kind), c.nfo)
            << std::string(c.mode.begin(), c.mode.end()) << " kind " << static_cast<int>(c.kind);
    }
}

TEST(FontChoice, StyleKeywordsAndFlagsRoundTrip) {
    struct Case {
        std::wstring_view keyword;
        FontStyle style;
    };
    const Case cases[] = {
        {kStyleNormal, {false, false}},
        {kStyleBold, {true, false}},
        {kStyleItalic, {false, true}},
        {kStyleBoldItalic, {true, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fontStyleOf(c.keyword), c.style);
        EXPECT_EQ(fontStyleKeyword(c.style), c.keyword);
    }
    EXPECT_EQ(fontStyleOf(L"Bold"), (FontStyle{false, false}));
    EXPECT_EQ(fontStyleOf(L"underline"), (FontStyle{false, false}));
}

}  // namespace
}  // namespace vantry
