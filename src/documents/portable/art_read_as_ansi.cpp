#include "documents/portable/art_read_as_ansi.h"

#include <algorithm>

#include "documents/portable/code_pages.h"

namespace vantry {
namespace {

constexpr size_t kBlockRun = 3;

bool isBlock(unsigned char byte) { return byte >= 0xDB && byte <= 0xDF; }  // █ ▄ ▌ ▐ ▀
bool isShadeOrFrame(unsigned char byte) { return byte >= 0xB0 && byte <= 0xDA; }  // ░ ▒ ▓, │ ┤ ... ┌

}  // namespace

bool looksLikeArtReadAs1252(std::wstring_view text) {
    size_t above = 0, art = 0, run = 0, longestRun = 0;
    bool shadeOrFrame = false;
    for (const wchar_t character : text) {
        if (character < 0x80) {
            run = 0;
            continue;
        }
        unsigned char byte = 0;
        if (!byteInCodePage(character, CodePage::Windows1252, byte)) return false;
        ++above;
        art += isBlock(byte) || isShadeOrFrame(byte) ? 1 : 0;
        shadeOrFrame = shadeOrFrame || isShadeOrFrame(byte);
        run = isBlock(byte) ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    return longestRun >= kBlockRun && shadeOrFrame && art * 4 >= above * 3;
}

void takeArtBackFromAnsiReading(std::wstring& text) {
    for (wchar_t& character : text) {
        unsigned char byte = 0;
        if (byteInCodePage(character, CodePage::Windows1252, byte)) character = codePageCharacter(CodePage::Dos437, byte);
    }
}

}  // namespace vantry
