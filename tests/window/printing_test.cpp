// Printing on a real printer: the CUPS PDF queue that tools/printer.sh sets up, whose
// PDFs are read back with poppler's tools.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "documents/portable/image_export.h"
#include "documents/printing.h"
#include "shell/resource.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

std::wstring environment(const wchar_t* name) { return _wgetenv(name) ? _wgetenv(name) : L""; }

// The Unix name of a file, for the Unix tools that read the printed PDFs.
std::string unixPath(const std::wstring& path) {
    using Convert = char*(CDECL*)(LPCWSTR);
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return {};
    char* name = convert(path.c_str());
    std::string result = name ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Runs a Unix shell command as Wine starts a Unix program, and waits for it: such a
// process has no handle to wait on, so the command leaves its exit code in a file, named
// so that no earlier run's file (Wine reuses process ids) can be taken for it.
int runUnix(const std::string& command) {
    static int runs = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring done = std::wstring(temp) + L"vantry-unix-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++runs);
    DeleteFileW(done.c_str());
    const std::string marker = unixPath(done);
    const std::string script =
        "(" + command + "); echo $? > '" + marker + ".part'; mv '" + marker + ".part' '" + marker + "'";
    std::wstring line = L"/bin/sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "could not start: " << command;
        return -1;
    }
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 60000; Sleep(20)) {
        const std::string code = fileBytes(done);
        if (code != "<missing>") {
            DeleteFileW(done.c_str());
            return std::atoi(code.c_str());
        }
    }
    ADD_FAILURE() << "did not end within a minute: " << command;
    return -1;
}

// "LINE001 ..." and so on: text lines a PDF's text can be checked against.
std::string numberedLines(int first, int count) {
    std::string text;
    for (int line = first; line < first + count; ++line) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "LINE%03d text\r\n", line);
        text += buffer;
    }
    return text;
}

class RealPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        printer = environment(L"VANTRY_TEST_PRINTER");
        const std::wstring output = environment(L"VANTRY_PRINT_OUTPUT");
        ASSERT_FALSE(printer.empty() || output.empty())
            << "the printing tests need the PDF printer that tools/printer.sh starts (./test.sh does)";
        printedFile = L"Z:" + output + L"\\printed.pdf";  // every job goes to this one file
        for (wchar_t& c : printedFile) c = c == L'/' ? L'\\' : c;
    }
    void TearDown() override {  // what was printed goes, once the printer has written it
        awaitIdlePrinter();
        DeleteFileW(printedFile.c_str());
    }

    // Prints the window's document as if the print dialog had been confirmed.
    void print(Tnfonote& window, int copies, bool collate) {
        UniqueDeviceContext dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr));
        ASSERT_TRUE(dc) << narrow(printer);
        ASSERT_TRUE(awaitIdlePrinter());  // no earlier job writes the file once it is gone
        DeleteFileW(printedFile.c_str());
        ui.printAnswers.push_back(PrintDialogAnswer{std::move(dc), copies, collate});
        SendMessageW(window.handle(), WM_COMMAND, IDM_PRINT, 0);  // failures end in the error report
    }

    // Whether the printer has finished every job: it writes a PDF piece by piece, into
    // the same file for every job, so a file is only whole once its job is done.
    bool printerIsIdle() { return runUnix("! lpstat -o " + narrow(printer) + " | grep -q .") == 0; }
    bool awaitIdlePrinter() {
        for (const DWORD start = GetTickCount(); GetTickCount() - start < 60000; Sleep(100)) {
            if (printerIsIdle()) return true;
        }
        return false;
    }

    // The PDF that printing made, once the PDF printer has finished writing it.
    std::wstring printedPdf() {
        for (const DWORD start = GetTickCount(); GetTickCount() - start < 60000; Sleep(100)) {
            if (GetFileAttributesW(printedFile.c_str()) != INVALID_FILE_ATTRIBUTES && printerIsIdle() &&
                runUnix("pdfinfo '" + unixPath(printedFile) + "' >/dev/null 2>&1") == 0) {
                return printedFile;
            }
        }
        return L"";
    }

    // The text of each page, as pdftotext reads it.
    std::vector<std::string> pageTexts(const std::wstring& pdf) {
        const std::wstring text = folder.path(L"printed.txt");
        EXPECT_EQ(runUnix("pdftotext -layout '" + unixPath(pdf) + "' '" + unixPath(text) + "'"), 0);
        std::vector<std::string> pages{""};
        for (char c : fileBytes(text)) {
            if (c == '\f') {
                pages.emplace_back();
            } else {
                pages.back() += c;
            }
        }
        pages.pop_back();  // after the last form feed
        return pages;
    }

    CleanSettingsKey cleanKey;
    ScriptedUi ui;
    TempFolder folder;
    std::wstring printer;
    std::wstring printedFile;
};

TEST_F(RealPrinterTest, NfoArtPrintsItsOwnCharactersAndItsWrappedLinesAsShownInOrderOnThreePagesWithTouchingLines) {
    const std::string art = std::string(10, '\xDB') + "\r\n" + std::string(10, '\xDB') + "\r\n";
    std::string paragraph;  // wrapped into several lines by the window
    for (int word = 0; word < 60; ++word) paragraph += "word" + std::to_string(word) + " ";
    const auto window = makeMainWindow(folder.file(L"art.nfo", art + paragraph + "\r\n" + numberedLines(3, 198)));
    ASSERT_TRUE(window->document().isNfoFont);
    SendMessageW(window->handle(), WM_COMMAND, IDM_WORD_WRAP, 0);
    const EditControl& memo = window->memo();
    ASSERT_GT(memo.lineCount(), 200u + 2) << "the paragraph wraps";
    const std::wstring text = memo.text();
    EXPECT_TRUE(memo.shownLines(text, 0) == memo.shownLines(text)) << "a long document's lines are the control's";
    print(*window, 1, false);
    const std::wstring pdf = printedPdf();
    ASSERT_FALSE(pdf.empty()) << "no PDF came out of the printer";

    const std::vector<std::string> pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].substr(0, 30),
              "\xE2\x96\x88\xE2\x96\x88\xE2\x96\x88\xE2\x96\x88\xE2\x96\x88\xE2\x96\x88"
              "\xE2\x96\x88\xE2\x96\x88\xE2\x96\x88\xE2\x96\x88")
        << "the art's characters are real blocks";
    // After the art, page one's lines are the window's lines, wrapped where it wraps them.
    std::istringstream pageOne(pages[0]);
    std::string printed;
    for (DWORD line = 0; std::getline(pageOne, printed); ++line) {
        const DWORD start = memo.lineIndex(line);
        const std::string shown = narrow(text.substr(start, memo.lineLength(start)));
        if (line >= 2) {
            EXPECT_EQ(printed, shown.substr(0, shown.find_last_not_of(' ') + 1)) << "line " << line;
        }
    }
    size_t from = 0;
    const std::string all = pages[0] + pages[1] + pages[2];
    for (int line = 3; line <= 200; ++line) {
        char number[16];
        std::snprintf(number, sizeof number, "LINE%03d", line);
        const size_t at = all.find(number, from);
        ASSERT_NE(at, std::string::npos) << number << " missing or out of order";
        from = at;
    }

    const UniqueDeviceContext dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr));
    EXPECT_EQ(window->printJob().lineHeight, MulDiv(9, GetDeviceCaps(dc.get(), LOGPIXELSY), 72))
        << "\"ASCII\" 9 points with no leading: the block lines touch";
}

// The print queue, and a PDF printer's file, name the job after the document's file.
TEST_F(RealPrinterTest, TheJobIsNamedAfterTheDocumentsFile) {
    const auto window = makeMainWindow(folder.file(L"Release Notes.txt", "notes\r\n"));
    const std::wstring info = folder.path(L"info.txt");
    for (const char* name : {"Release Notes.txt", "Untitled"}) {
        if (name == std::string("Untitled")) {  // a new document, without a file
            SendMessageW(window->handle(), WM_COMMAND, IDM_NEW, 0);
            window->memo().setText(L"printed");
        }
        print(*window, 1, false);
        const std::wstring pdf = printedPdf();
        ASSERT_FALSE(pdf.empty()) << name;
        ASSERT_EQ(runUnix("pdfinfo '" + unixPath(pdf) + "' > '" + unixPath(info) + "'"), 0);
        std::istringstream lines(fileBytes(info));
        std::string title;
        while (std::getline(lines, title) && !title.starts_with("Title:")) {}
        EXPECT_EQ(title.substr(std::min(title.find_first_not_of(' ', 6), title.size())), name);
    }
}

// Run in the prefix whose screen has 144 dots per inch: the stored text font's height is
// pixels at 96, so the printed size does not shrink with the monitor's scale.
using HighDpiRealPrinterTest = RealPrinterTest;
TEST_F(HighDpiRealPrinterTest, TextPrintsAtItsSizeInPointsWhateverTheScreen) {
    const auto window = makeMainWindow(folder.file(L"notes.txt", "notes\r\n"));
    ASSERT_EQ(window->dpi(), 144);
    ASSERT_FALSE(window->document().isNfoFont);
    const UniqueDeviceContext dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr));
    ASSERT_TRUE(dc);
    print(*window, 1, false);
    ASSERT_FALSE(printedPdf().empty());
    EXPECT_EQ(window->printJob().lineHeight, MulDiv(10, GetDeviceCaps(dc.get(), LOGPIXELSY), 72) + 8)
        << "Courier New 10 points and the leading of text lines";
}

// Copied or exported, the document is what is shown: real block characters, and a picture
// of every line, unwrapped; nothing is made when it cannot be.
TEST_F(WindowTest, ExportAsPngDrawsEveryLineInTheShownFaceAndColours) {
    open("\xDB\xDB\xDB\r\n\r\n\xDB", L"art.nfo");
    SendMessageW(window->memo().handle(), EM_SETSEL, 0, -1);
    SendMessageW(window->memo().handle(), WM_COPY, 0, 0);  // art leaves the program as real blocks
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto* copied = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    EXPECT_STREQ(copied, L"\x2588\x2588\x2588\r\n\r\n\x2588");
    CloseClipboard();
    // Exported through the scripted file dialog, then read back by another program.
    const auto exported = [&](const wchar_t* name, const std::string& format) {
        ui.fileAnswers.push_back(FileDialogAnswer{folder.path(name), -1, 1});
        command(IDM_EXPORT_PNG);
        const std::wstring seen = folder.path(L"seen.txt");
        const std::string read = "convert '" + unixPath(folder.path(name)) + "' -format '" + format + "' info:";
        return runUnix(read + " > '" + unixPath(seen) + "'") == 0 ? fileBytes(seen) : "<unreadable>";
    };
    // Its size, then a pixel inside the third block, one on the empty line and one beside
    // the last line's block.
    EXPECT_EQ(exported(L"art.png", "%w %h %[hex:p{20,1}] %[hex:p{20,20}] %[hex:p{12,40}]"),
              "24 48 FFFFFF 313D73 313D73")
        << "three cells of 8 by three lines of 16, white on blue";
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].fileName, L"art.nfo.png");
    EXPECT_EQ(ui.fileDialogs[0].title, L"Export as PNG");
    EXPECT_FALSE(ui.fileDialogs[0].listUnder);
    command(IDM_ZOOM_IN);  // exported as it is shown: at 200 %, twice the cells
    EXPECT_EQ(exported(L"art.png", "%w %h"), "48 96");
    command(IDM_ZOOM_RESET);

    // Blank lines are a picture of the background, as wide as the widest of them (a cell
    // when all are empty).
    for (const auto& [blank, size] : {std::pair{"  \r\n\r\n   ", "24 48"}, std::pair{"\r\n\r\n", "8 32"}}) {
        open(blank, L"blank.nfo");
        EXPECT_EQ(exported(L"blank.png", "%w %h %k %[hex:p{0,0}]"), std::string(size) + " 1 313D73");
        EXPECT_TRUE(ui.messages.empty()) << narrow(ui.messages.at(0).text);
    }

    struct Refused {
        std::string text;
        std::wstring_view message;
    };
    std::string tall;
    for (int line = 0; line <= kLargestImageSide; ++line) tall += "x\r\n";  // each at least a pixel high
    const Refused refused[] = {
        {"", kNothingToExportMessage},
        {tall, kImageTooLargeMessage},
        {std::string(9000, 'x'), kImageTooLargeMessage},         // 72,000 pixels: more than 16 bits hold
        {"\t" + std::string(4093, 'x'), kImageTooLargeMessage},  // 64 + 32,744: a tab counts to its stop
    };
    for (const Refused& r : refused) {
        ui.messages.clear();
        open(r.text, L"refused.nfo");
        command(IDM_EXPORT_PNG);
        ASSERT_EQ(ui.messages.size(), 1u) << r.text.size();
        EXPECT_EQ(ui.messages[0].text, r.message) << r.text.size();
    }
    EXPECT_EQ(ui.fileDialogs.size(), 4u) << "nothing is asked for what cannot be made";
}

// The picture never takes the place of the text it shows, however the document's path
// is spelt: the document would still count as unchanged, and closing would lose the text.
TEST_F(WindowTest, ExportAsPngRefusesTheDocumentsOwnFile) {
    const std::string art = "\xDB\xDB\r\n";
    const std::wstring path = folder.file(L"Release Art.nfo", art);
    ASSERT_TRUE(window->loadDocument(path, L""));
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameW(path.c_str(), shortPath, MAX_PATH), 0u);
    ASSERT_NE(std::wstring(shortPath), path);
    std::wstring upper = path;
    CharUpperW(upper.data());
    for (const std::wstring& same : {path, upper, std::wstring(shortPath), L"\\\\?\\" + path}) {
        ui.messages.clear();
        ui.fileAnswers.push_back(FileDialogAnswer{same, -1, 1});
        command(IDM_EXPORT_PNG);
        ASSERT_EQ(ui.messages.size(), 1u) << narrow(same);
        EXPECT_EQ(ui.messages[0].text, kExportOverDocumentMessage);
        EXPECT_EQ(fileBytes(path), art) << narrow(same);
    }
    ui.messages.clear();
    ui.fileAnswers.push_back(FileDialogAnswer{folder.path(L"Release Art.png"), -1, 1});
    command(IDM_EXPORT_PNG);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(fileBytes(folder.path(L"Release Art.png")).substr(1, 3), "PNG") << "a file beside it is written";
}

}  // namespace
}  // namespace vantry::testing
