#include "documents/portable/print_layout.h"

#include <cstdlib>

namespace vantry {
namespace {

// The doubles nearest to 0.75 / 11 and 0.75 / 8.5; products are cut toward zero.
constexpr double kTopMarginShare = 0.06818181818181818;
constexpr double kLeftMarginShare = 0.08823529411764706;
constexpr std::int32_t kTextLeading = 8;
constexpr size_t kTabWidth = 8;

}  // namespace

void PrintJob::measurePage(std::int32_t pageWidth, std::int32_t pageHeight, std::int32_t characterHeight) {
    lineHeight = characterHeight + (nfoFont ? 0 : kTextLeading);
    topMargin = static_cast<std::int32_t>(pageHeight * kTopMarginShare);
    linesPerPage = lineHeight > 0 ? (pageHeight - 2 * topMargin) / lineHeight : 0;
    leftMargin = static_cast<std::int32_t>(pageWidth * kLeftMarginShare);
}

void PrintJob::printPages(bool collate, PrintSink& sink) {
    copiesLeft = copies;
    while (currentLine < endLine) {
        y = topMargin;
        linesOnPage = 0;
        pageStartLine = currentLine;
        while (linesOnPage < linesPerPage && currentLine < endLine) {
            sink.drawLine(currentLine, leftMargin, y);
            ++currentLine;
            ++linesOnPage;
            y += lineHeight;
            if (!collate && (linesOnPage == linesPerPage || currentLine == endLine)) {
                if (copiesLeft > 1) {
                    sink.newPage();
                    y = topMargin;
                    linesOnPage = 0;
                    currentLine = pageStartLine;
                    --copiesLeft;
                } else {
                    copiesLeft = copies;
                }
            }
        }
        if (currentLine < endLine) sink.newPage();
        if (collate && currentLine == endLine && copiesLeft > 1) {
            sink.newPage();
            currentLine = firstLine;
            --copiesLeft;
        }
    }
}

std::wstring printedLineText(std::wstring_view line) {
    line = line.substr(0, kLongestPrintedLine);
    std::wstring text;
    text.reserve(line.size());
    for (wchar_t c : line) {
        if (c == L'\t') {
            text.append(kTabWidth, L' ');
        } else {
            text += c;
        }
    }
    return text;
}

PrintFont choosePrintFont(bool nfoFont, const FontProfile& screenFont, std::uint8_t screenCharSet) {
    if (nfoFont) return {L"ASCII", 9, {}, kDefaultCharSet, false};
    if (screenFont.face == L"Fixedsys") return {L"Courier New", 10, {}, kDefaultCharSet, false};
    return {screenFont.face, screenFontPoints(screenFont), screenFont.style, screenCharSet, true};
}

std::int32_t screenFontPoints(const FontProfile& screenFont) {
    constexpr int kStoredDotsPerInch = 96;
    if (screenFont.height == 0) return screenFont.size;
    return scaledRounded(std::abs(screenFont.height), 72, kStoredDotsPerInch);
}

}  // namespace vantry
