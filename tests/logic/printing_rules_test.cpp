#include "documents/portable/file_information.h"
#include "documents/portable/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantry {
namespace {

// Pages as the lines drawn on each, "0-39" for a run of lines.
class PageRecorder final : public PrintSink {
public:
    void drawLine(std::int32_t line, std::int32_t x, std::int32_t y) override {
        if (pages.back().empty()) firstY = y;
        pages.back().push_back(line);
        lastX = x;
    }
    void newPage() override { pages.emplace_back(); }

    std::vector<std::string> runs() const {
        std::vector<std::string> texts;
        for (const auto& page : pages) {
            texts.push_back(page.empty() ? "" : std::to_string(page.front()) + "-" + std::to_string(page.back()));
        }
        return texts;
    }

    std::vector<std::vector<std::int32_t>> pages{1};
    std::int32_t firstY = -1;
    std::int32_t lastX = -1;
};

std::vector<std::string> printed(std::int32_t lines, std::int32_t perPage, std::int32_t copies, bool collate) {
    PrintJob job;
    job.linesPerPage = perPage;
    job.lineHeight = 10;
    job.endLine = lines;
    job.copies = copies;
    PageRecorder recorder;
    job.printPages(collate, recorder);
    return recorder.runs();
}

TEST(PrintLayout, PagesAndCopiesComeInTheOrderAskedFor) {
    using Pages = std::vector<std::string>;
    EXPECT_EQ(printed(100, 40, 1, false), (Pages{"0-39", "40-79", "80-99"}));
    EXPECT_EQ(printed(80, 40, 1, true), (Pages{"0-39", "40-79"})) << "a full last page asks for no more";
    EXPECT_EQ(printed(60, 40, 2, false), (Pages{"0-39", "0-39", "40-59", "40-59"})) << "1 1 2 2";
    EXPECT_EQ(printed(60, 40, 2, true), (Pages{"0-39", "40-59", "0-39", "40-59"})) << "1 2 1 2";
    EXPECT_EQ(printed(3, 40, 3, false), (Pages{"0-2", "0-2", "0-2"}));
    EXPECT_EQ(printed(0, 40, 2, true), (Pages{""})) << "an empty document draws nothing on its one page";
}

TEST(PrintLayout, MarginsAndLinesFollowThePageAndTheFont) {
    struct Case {
        bool nfo;
        std::int32_t width, height, character;
        std::int32_t top, perPage, left, lineHeight;
    };
    const Case cases[] = {
        {true, 5100, 6600, 75, 449, 76, 450, 75},     // 600 dots per inch, 9 points
        {false, 2479, 3508, 38, 239, 65, 218, 46},    // a 300-dot A4 page, text with its leading
        {true, 2479, 3508, 5000, 239, 0, 218, 5000},  // a font taller than the page
    };
    for (const Case& c : cases) {
        PrintJob job;
        job.nfoFont = c.nfo;
        job.measurePage(c.width, c.height, c.character);
        EXPECT_EQ(job.topMargin, c.top);
        EXPECT_EQ(job.linesPerPage, c.perPage);
        EXPECT_EQ(job.leftMargin, c.left);
        EXPECT_EQ(job.lineHeight, c.lineHeight);
    }
    PrintJob job;
    job.nfoFont = true;
    job.measurePage(5100, 6600, 75);
    job.endLine = 2;
    PageRecorder recorder;
    job.printPages(false, recorder);
    EXPECT_EQ(recorder.firstY, 449);
    EXPECT_EQ(recorder.lastX, 450);
    EXPECT_EQ(job.y, 449 + 2 * 75);
}

TEST(PrintLayout, LinesAreCutAndTabsBecomeEightSpaces) {
    EXPECT_EQ(printedLineText(L"a\tb"), L"a        b");
    EXPECT_EQ(printedLineText(L"\t\t"), std::wstring(16, L' '));
    EXPECT_EQ(printedLineText(std::wstring(5000, L'x')).size(), 4096u);
    EXPECT_EQ(copiesToPrint(0), 1);
    EXPECT_EQ(copiesToPrint(3), 3);
}

TEST(PrintLayout, NfoArtPrintsInAsciiAndTextInItsScreenFaceInBlack) {
    constexpr std::uint8_t kRussian = 204;
    struct Case {
        bool nfo;
        FontProfile screen;
        const wchar_t* face;
        std::int32_t points;
        bool bold;
        std::uint8_t charSet;
        bool black;
    };
    const Case cases[] = {
        {true, {L"ASCII VGA", 12, -16, {true, false}}, L"ASCII", 9, false, kDefaultCharSet, false},
        {false, {L"Fixedsys", 9, -12, {true, false}}, L"Courier New", 10, false, kDefaultCharSet, false},
        {false, {L"Courier New", 12, -16, {true, false}}, L"Courier New", 12, true, kRussian, true},
        {false, {L"fixedsys", 9, -12, {}}, L"fixedsys", 9, false, kRussian, true},
    };
    for (const Case& c : cases) {
        const PrintFont font = choosePrintFont(c.nfo, c.screen, kRussian);
        EXPECT_EQ(font.face, c.face);
        EXPECT_EQ(font.points, c.points);
        EXPECT_EQ(font.style.bold, c.bold);
        EXPECT_EQ(font.charSet, c.charSet) << "a text keeps the script its screen font draws";
        EXPECT_EQ(font.black, c.black);
    }
    // Stored heights are pixels at 96 dots per inch, whatever screen the window is on.
    EXPECT_EQ(screenFontPoints({L"Courier New", 10, -13, {}}), 10);
    EXPECT_EQ(screenFontPoints({L"Courier New", 12, -20, {}}), 15) << "the height decides";
    EXPECT_EQ(screenFontPoints({L"Courier New", 12, 0, {}}), 12);
}

TEST(FileInformation, SizesInWholeKilobytesThenBytes) {
    struct Case {
        std::uint64_t bytes;
        const wchar_t* text;
    };
    const Case cases[] = {{0, L"0 Kb (0 byte)"},
                          {1023, L"0 Kb (1023 byte)"},
                          {1024, L"1 Kb (1024 byte)"},
                          {1536, L"1 Kb (1536 byte)"},
                          {5ULL << 30, L"5242880 Kb (5368709120 byte)"}};
    for (const Case& c : cases) EXPECT_EQ(fileSizeText(c.bytes), c.text);
}

}  // namespace
}  // namespace vantry
