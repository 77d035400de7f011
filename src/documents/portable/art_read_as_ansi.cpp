#include "documents/portable/art_read_as_ansi.h"

#include <algorithm>

#include "documents/portable/code_pages.h"

namespace vantry {
namespace {

constexpr size_t kRun = 3;       // "ÛÛÛ", "ÍÍÍ"
constexpr size_t kLeastArt = 8;  // a few letters with accents are no art

bool isBlock(unsigned char byte) { return byte >= 0xDB && byte <= 0xDF; }                // █ ▄ ▌ ▐ ▀
bool isShadeOrFrame(unsigned char byte) { return byte >= 0xB0 && byte <= 0xDA; }         // ░ ▒ ▓, │ ┤ ... ┌
bool isLine(unsigned char byte) { return byte == 0xCD || byte == 0xC4; }                 // ═ ─
bool isDot(unsigned char byte) { return byte == 0xF9 || byte == 0xFA || byte == 0xFE; }  // ∙ · ■

}  // namespace

bool looksLikeArtReadAs1252(std::wstring_view text) {
    size_t above = 0, art = 0, blocks = 0, lines = 0, longestBlocks = 0, longestLines = 0;
    bool shadeOrFrame = false;
    for (const wchar_t character : text) {
        unsigned char byte = 0;
        if (character < 0x80) {
            blocks = lines = 0;
            continue;
        }
        if (!byteInCodePage(character, CodePage::Windows1252, byte)) return false;
        ++above;
        art += isBlock(byte) || isShadeOrFrame(byte) || isDot(byte) ? 1 : 0;
        shadeOrFrame = shadeOrFrame || isShadeOrFrame(byte);
        blocks = isBlock(byte) ? blocks + 1 : 0;
        lines = isLine(byte) ? lines + 1 : 0;
        longestBlocks = std::max(longestBlocks, blocks);
        longestLines = std::max(longestLines, lines);
    }
    // Blocks beside a shade or a frame, or a frame drawn with lines.
    const bool drawn = (longestBlocks >= kRun && shadeOrFrame) || longestLines >= kRun;
    return drawn && art >= kLeastArt && art * 4 >= above * 3;
}

void takeArtBackFromAnsiReading(std::wstring& text) {
    for (wchar_t& character : text) {
        unsigned char byte = 0;
        if (byteInCodePage(character, CodePage::Windows1252, byte))
            character = codePageCharacter(CodePage::Dos437, byte);
    }
}

}  // namespace vantry
