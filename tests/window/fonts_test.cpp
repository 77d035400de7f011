// The NFO faces the program ships: code page 437's characters as real Unicode, and the
// 1252 companions that draw art read with the ANSI code page.
#include <gtest/gtest.h>

#include "documents/portable/code_pages.h"
#include "base/paths.h"
#include "settings/display_font.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

std::vector<std::string> drawn(const std::wstring& face, int height, wchar_t character) {
    return drawCharacter(createDisplayFont({face, 0, -height, {}}).get(), character);
}

TEST(FontFiles, EveryFaceDrawsCodePage437AndTheCompanionsDrawArtAt1252sCharacters) {
    const PrivateFontFile screen{directoryOf(testProgramPath()) + L"fdata.nf"};
    const PrivateFontFile printer{directoryOf(testProgramPath()) + L"tfdata.nf"};
    ASSERT_TRUE(screen.loaded() && printer.loaded());
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\t' && byte != '\n' && byte != '\r') bytes += static_cast<char>(byte);  // kept as themselves
    }
    const std::wstring characters = decodeCodePage(bytes, CodePage::Dos437);
    struct Face {
        const wchar_t* name;
        int height;
    };
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
        const auto block = drawn(face.name, face.height, L'\x2588');
        EXPECT_EQ(block[static_cast<size_t>(face.height - 1)].substr(0, 9), "########.") << narrow(face.name);
        EXPECT_EQ(block[0], block[static_cast<size_t>(face.height - 1)]) << "a full cell";
        EXPECT_EQ(drawn(companion, face.height, L'\x00DB'), block) << "byte 0xDB read as 1252";
        EXPECT_EQ(drawn(companion, face.height, L'\x00B0'), drawn(face.name, face.height, L'\x2591'));
    }
    EXPECT_NE(drawn(L"ASCII VGA", 16, L'\x00FC'), drawn(L"ASCII VGA 1252", 16, L'\x00FC')) << "u umlaut is not art";
}

}  // namespace
}  // namespace vantry::testing
