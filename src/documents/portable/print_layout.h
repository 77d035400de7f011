// How a document is laid out on printed pages: margins and lines per page from the page
// size, the order of pages for copies with and without collation, tabs, and the face a
// document prints in. Everything in printer device units.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/portable/font_choice.h"

namespace vantry {

// What the layout asks the printer to do.
class PrintSink {
public:
    virtual ~PrintSink() = default;
    virtual void drawLine(std::int32_t line, std::int32_t x, std::int32_t y) = 0;
    virtual void newPage() = 0;
};

// The state of one print, kept by the main window between prints.
struct PrintJob {
    bool nfoFont = false;
    std::int32_t lineHeight = 0;
    std::int32_t linesOnPage = 0;
    std::int32_t currentLine = 0;
    std::int32_t firstLine = 0;
    std::int32_t pageStartLine = 0;
    std::int32_t endLine = 0;
    std::int32_t linesPerPage = 0;
    std::int32_t topMargin = 0;
    std::int32_t leftMargin = 0;
    std::int32_t y = 0;
    std::int32_t copies = 1;
    std::int32_t copiesLeft = 1;

    // Three quarters of an inch at the top (and at least that at the bottom) of an
    // 11-inch page and at the left of an 8.5-inch one, scaled to the page. NFO lines
    // touch, so block art stays joined; text lines get 8 units of leading.
    void measurePage(std::int32_t pageWidth, std::int32_t pageHeight, std::int32_t characterHeight);
    // Lines [firstLine, endLine) from the top of the first page, which the printer has
    // started; pages after it are asked for. Copies come page by page (1 1 2 2) or, with
    // collation, document by document (1 2 1 2). Needs linesPerPage > 0.
    void printPages(bool collate, PrintSink& sink);
};

// The dialog's copies: below 2 is one.
inline std::int32_t copiesToPrint(std::int32_t requested) { return requested < 2 ? 1 : requested; }

inline constexpr size_t kLongestPrintedLine = 4096;
// The first 4096 characters of a line, each tab eight spaces.
std::wstring printedLineText(std::wstring_view line);

inline constexpr std::uint8_t kDefaultCharSet = 1;  // GDI's DEFAULT_CHARSET

// The face a document prints in: NFO art in "ASCII" 9 points; a text shown in
// "Fixedsys" in "Courier New" 10 points; any other text in its screen face, size, style
// and character set, in black.
struct PrintFont {
    std::wstring face;
    std::int32_t points = 0;
    FontStyle style;
    std::uint8_t charSet = kDefaultCharSet;
    bool black = false;  // otherwise the printer font's own colour
};
PrintFont choosePrintFont(bool nfoFont, const FontProfile& screenFont, std::uint8_t screenCharSet);

// The size in points of a screen font: its height (pixels at 96 dots per inch, as
// stored, whatever the monitor) decides it, as it decides the drawn size; a height of 0
// leaves the profile's size.
std::int32_t screenFontPoints(const FontProfile& screenFont);

inline constexpr std::wstring_view kNoPrinterQuestion = L"No default printer found, try to print anyway?";
inline constexpr std::wstring_view kNoLineFitsMessage =
    L"Nothing was printed: the font is too tall for the page, so not one line fits between the margins.";

}  // namespace vantry
