// Printing on a real printer: the CUPS PDF queue that tools/printer.sh sets up, whose
// PDFs are read back with poppler's tools. Also the file information window.
#include <windows.h>
#include <winioctl.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>

#include "documents/file_info_dialog.h"
#include "documents/file_info_resources.h"
#include "documents/printing.h"
#include "shell/resource.h"
#include "shell/windows.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

std::wstring environment(const wchar_t* name) {
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? value : L"";
}

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
// process has no handle to wait on, so the command leaves its exit code in a file.
int runUnix(const std::string& command) {
    static int runs = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring done = std::wstring(temp) + L"vantry-unix-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++runs);
    const std::string marker = unixPath(done);
    const std::string script = "(" + command + "); echo $? > '" + marker + ".part'; mv '" + marker + ".part' '" + marker + "'";
    std::wstring line = L"/bin/sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
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
    return -1;
}

std::set<std::wstring> pdfsIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    for (const std::wstring& name : folderNames(folder)) {
        if (name.ends_with(L".pdf")) names.insert(name);
    }
    return names;
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
        outputFolder = L"Z:" + output + L"\\";
        for (wchar_t& c : outputFolder) c = c == L'/' ? L'\\' : c;
        before = pdfsIn(outputFolder);
    }
    void TearDown() override {
        setPrinterFaultForTests(0);
        for (const std::wstring& name : pdfsIn(outputFolder)) {
            if (!before.contains(name)) DeleteFileW((outputFolder + name).c_str());
        }
    }

    // Prints the window's document as if the print dialog had been confirmed.
    void print(Tnfonote& window, int copies, bool collate) {
        UniqueDeviceContext dc(CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr));
        ASSERT_TRUE(dc) << narrow(printer);
        ui.printAnswers.push_back(PrintDialogAnswer{std::move(dc), copies, collate});
        SendMessageW(window.handle(), WM_COMMAND, IDM_PRINT, 0);  // failures end in the error report
    }

    // The PDF that printing made, once the PDF printer has finished writing it.
    std::wstring printedPdf() {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 60000) {
            for (const std::wstring& name : pdfsIn(outputFolder)) {
                const std::wstring path = outputFolder + name;
                if (!before.contains(name) && runUnix("pdfinfo '" + unixPath(path) + "' >/dev/null 2>&1") == 0) {
                    before.insert(name);
                    made.push_back(path);
                    return path;
                }
            }
            Sleep(100);
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
    std::wstring outputFolder;
    std::set<std::wstring> before;
    std::vector<std::wstring> made;
};

std::string firstNumberOn(const std::string& page) {
    const size_t at = page.find("LINE");
    return at == std::string::npos ? "" : page.substr(at + 4, 3);
}

TEST_F(RealPrinterTest, NfoArtPrintsSolidAndSearchableOnThreePages) {
    const std::string art = std::string(10, '\xDB') + "\r\n" + std::string(10, '\xDB') + "\r\n";
    const auto window = makeMainWindow(folder.file(L"art.nfo", art + numberedLines(3, 198)));
    ASSERT_TRUE(window->document().isNfoFont);
    print(*window, 1, false);
    const std::wstring pdf = printedPdf();
    ASSERT_FALSE(pdf.empty()) << "no PDF came out of the printer";

    const std::vector<std::string> pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].substr(0, 20), "\xC3\x9B\xC3\x9B\xC3\x9B\xC3\x9B\xC3\x9B\xC3\x9B\xC3\x9B\xC3\x9B\xC3\x9B\xC3\x9B")
        << "the art's characters are the document's own";
    size_t from = 0;
    const std::string all = pages[0] + pages[1] + pages[2];
    for (int line = 3; line <= 200; ++line) {
        char number[16];
        std::snprintf(number, sizeof number, "LINE%03d", line);
        const size_t at = all.find(number, from);
        ASSERT_NE(at, std::string::npos) << number << " missing or out of order";
        from = at;
    }

    // The two block lines touch: the ink from their top to the bottom of the second is
    // solid, with no light row between them.
    const std::wstring image = folder.path(L"page");
    ASSERT_EQ(runUnix("pdftoppm -r 300 -gray -f 1 -l 1 -singlefile '" + unixPath(pdf) + "' '" + unixPath(image) + "'"), 0);
    const std::string pgm = fileBytes(image + L".pgm");
    int width = 0, height = 0, depth = 0, headerLength = 0;
    ASSERT_EQ(std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &width, &height, &depth, &headerLength), 3);
    const auto dark = [&](int x, int y) {
        return static_cast<unsigned char>(pgm[static_cast<size_t>(headerLength + 1 + y * width + x)]) < 128;
    };
    int top = -1, left = -1;
    for (int y = 0; y < height && top < 0; ++y) {
        for (int x = 0; x < width; ++x) {
            if (dark(x, y)) {
                top = y;
                left = x;
                break;
            }
        }
    }
    ASSERT_GE(top, 0) << "the page is blank";
    const int lineHeight = MulDiv(9, 300, 72);  // "ASCII" 9 points at 300 dots per inch
    int light = 0;
    for (int y = top + 3; y < top + 2 * lineHeight - 3; ++y) {
        for (int x = left + 3; x < left + 150; ++x) light += dark(x, y) ? 0 : 1;
    }
    EXPECT_EQ(light, 0) << "light pixels inside the two lines of blocks";
}

TEST_F(RealPrinterTest, CopiesComePageByPageOrWithCollationDocumentByDocument) {
    struct Case { bool collate; std::vector<std::string> firstLines; };
    const Case cases[] = {{false, {"001", "001", "080", "080"}}, {true, {"001", "080", "001", "080"}}};
    const auto window = makeMainWindow(folder.file(L"two pages.nfo", numberedLines(1, 100)));
    for (const Case& c : cases) {
        print(*window, 2, c.collate);
        const std::wstring pdf = printedPdf();
        ASSERT_FALSE(pdf.empty());
        std::vector<std::string> firstLines;
        for (const std::string& page : pageTexts(pdf)) firstLines.push_back(firstNumberOn(page));
        EXPECT_EQ(firstLines, c.firstLines) << "collate " << c.collate;
    }
}

TEST_F(RealPrinterTest, AJobThatCannotGoOnIsAbortedAndReported) {
    const auto window = makeMainWindow(folder.file(L"three pages.nfo", numberedLines(1, 200)));
    setPrinterFaultForTests(2);
    print(*window, 1, false);
    setPrinterFaultForTests(0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(L"paper"), std::wstring::npos) << narrow(ui.messages[0].text);
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR));

    // A font taller than the page stops before any job starts.
    writeValue(L"ansiFontSize", L"1000");
    writeValue(L"ansiFontHeight", L"-1333");
    const auto tall = makeMainWindow(folder.file(L"tall.txt", "text\r\n"));
    ui.messages.clear();
    print(*tall, 1, false);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kNoLineFitsMessage);

    // The printer handles jobs in order: once a later job is out, an unfinished one would
    // be out before it.
    const auto marker = makeMainWindow(folder.file(L"marker.nfo", "MARKER\r\n"));
    print(*marker, 1, false);
    const std::wstring pdf = printedPdf();
    ASSERT_FALSE(pdf.empty());
    EXPECT_NE(pageTexts(pdf).at(0).find("MARKER"), std::string::npos);
    std::vector<std::wstring> others;
    for (const std::wstring& name : pdfsIn(outputFolder)) {
        if (!before.contains(name)) others.push_back(name);
    }
    EXPECT_TRUE(others.empty()) << "a job that failed or never fitted came out: " << narrow(others.at(0));
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

TEST(ShownLines, AreTheControlsLinesAtAnyDistanceFromTheStart) {
    CleanSettingsKey cleanKey;
    TempFolder folder;
    std::string text = std::string(70000, 'x') + "\r\nsecond\r\n\r\nfourth\r\n";
    const auto window = makeMainWindow(folder.file(L"long.txt", text));
    for (bool wrap : {false, true}) {
        window->memo().setWordWrap(wrap);
        const ShownLines lines(window->memo());
        ASSERT_GE(lines.count(), 4);
        std::vector<std::wstring> tail;
        for (std::int32_t line = lines.count() - 3; line < lines.count(); ++line) tail.emplace_back(lines.line(line));
        EXPECT_EQ(tail, (std::vector<std::wstring>{L"second", L"", L"fourth"}))
            << "wrap " << wrap << ": the empty line after the last break is no line";
        EXPECT_EQ(lines.count() == 4, !wrap) << "a wrapped long line is several";
    }
}

class FileInformationTest : public ::testing::Test {
protected:
    FileInformationTest() : dialog(nullptr) {}

    // Shows the window for `path` and closes it with `key` pressed on its OK button.
    void show(const std::wstring& path, WPARAM key = VK_ESCAPE) {
        PostMessageW(GetDlgItem(dialog.handle(), IDOK), WM_KEYDOWN, key, 0);
        dialog.showFileInformation(path);
    }
    std::wstring text(int id) const {
        wchar_t buffer[1024] = {};
        GetWindowTextW(id ? GetDlgItem(dialog.handle(), id) : dialog.handle(), buffer, 1024);
        return buffer;
    }

    TempFolder folder;
    TFileInfoDialog dialog;
};

TEST_F(FileInformationTest, ShowsNameSizeAndCreationOfAnyFile) {
    struct Case { std::string bytes; const wchar_t* size; };
    const Case cases[] = {{std::string(1536, 'a'), L"1 Kb (1536 byte)"}, {std::string(1023, 'a'), L"0 Kb (1023 byte)"},
                          {"", L"0 Kb (0 byte)"}};
    for (const Case& c : cases) {
        const std::wstring path = folder.file(L"file.nfo", c.bytes);
        show(path, VK_RETURN);
        EXPECT_EQ(text(0), L"file.nfo");
        EXPECT_EQ(text(IDC_FILE_INFO_PATH), path);
        EXPECT_EQ(text(IDC_FILE_INFO_SIZE), c.size);
        SYSTEMTIME now{};
        GetLocalTime(&now);
        EXPECT_NE(text(IDC_FILE_INFO_CREATED).find(std::to_wstring(now.wYear)), std::wstring::npos)
            << narrow(text(IDC_FILE_INFO_CREATED));
        EXPECT_FALSE(dialog.isShowing());
    }

    show(L"0");
    EXPECT_EQ(text(0), L"No file opened");
    EXPECT_EQ(text(IDC_FILE_INFO_PATH), L"");
    EXPECT_EQ(text(IDC_FILE_INFO_SIZE), L"");

    show(folder.path(L"gone.nfo"));
    EXPECT_EQ(text(0), L"gone.nfo");
    EXPECT_EQ(text(IDC_FILE_INFO_PATH), folder.path(L"gone.nfo"));
    EXPECT_EQ(text(IDC_FILE_INFO_SIZE), L"");
}

TEST_F(FileInformationTest, AHugeFileAFileHeldOpenAndSavingAfterwards) {
    const std::wstring huge = folder.path(L"huge.bin");
    {
        const UniqueFileHandle file(CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
        DWORD returned = 0;
        DeviceIoControl(file.get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
        LARGE_INTEGER size{};
        size.QuadPart = 5LL << 30;
        ASSERT_TRUE(SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(file.get()));
    }
    show(huge);
    EXPECT_EQ(text(IDC_FILE_INFO_SIZE), L"5242880 Kb (5368709120 byte)");

    const std::wstring held = folder.file(L"held.txt", "abc");
    {
        const UniqueFileHandle exclusive(CreateFileW(held.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                                     OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(exclusive);
        show(held);
        EXPECT_EQ(text(IDC_FILE_INFO_SIZE), L"0 Kb (3 byte)") << "a file another program holds open";
    }

    CleanSettingsKey cleanKey;
    ScriptedUi ui;
    const auto window = makeMainWindow(held);
    show(held);
    EXPECT_TRUE(window->writeDocument(held, TextEncoding::Ansi)) << "the window leaves the file closed";
}

}  // namespace
}  // namespace vantry::testing
