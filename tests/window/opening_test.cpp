// Opening documents: decoding, failures, drops, shortcuts, the Open dialog, and the
// font that follows the document.
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include "shell/resource.h"
#include "test_support.h"
#include "win/error_report.h"

namespace vantry::testing {
namespace {

class OpeningTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u) << "the tests expect the Western code page"; }

    CleanSettingsKey clean;
    ScriptedUi ui;
    TempFolder folder;
    std::unique_ptr<Tnfonote> window = makeMainWindow();
};

void makeShortcut(const std::wstring& shortcut, const std::wstring& target) {
    IShellLinkW* link = nullptr;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                              reinterpret_cast<void**>(&link)));
    link->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    ASSERT_HRESULT_SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    ASSERT_HRESULT_SUCCEEDED(file->Save(shortcut.c_str(), TRUE));
    file->Release();
    link->Release();
}

TEST_F(OpeningTest, FilesAreDecodedByMarkOrCodePageAndHeldWithCrLf) {
    struct Case { const char* what; std::string bytes; const wchar_t* entry; std::wstring text; TextEncoding encoding; };
    const Case cases[] = {
        {"NFO art in code page 1252", "\xDB\xDB\n", L"", L"\x00DB\x00DB\r\n", TextEncoding::None},
        {"UTF-16 LE mark", std::string("\xFF\xFE" "A\0", 4), L"", L"A", TextEncoding::Utf16LE},
        {"UTF-8 mark", "\xEF\xBB\xBF\xE2\x95\x94\r\nx", L"", L"\x2554\r\nx", TextEncoding::Utf8},
        {"UTF-8 mark read as ANSI", "\xEF\xBB\xBFx", L"ANSI", L"\x00EF\x00BB\x00BFx", TextEncoding::Utf8},
        {"no mark read as UTF-8", "\xC3\xA9\rz", L"UTF-8 (Default Unicode)", L"\x00E9\r\nz", TextEncoding::Utf8},
        {"empty file", "", L"", L"", TextEncoding::None},
        {"NUL kept as a space", std::string("a\0b", 3), L"", L"a b", TextEncoding::None},
    };
    for (const Case& c : cases) {
        const std::wstring path = folder.file(L"doc.nfo", c.bytes);
        ASSERT_TRUE(window->loadDocument(path, c.entry)) << c.what;
        EXPECT_EQ(window->memo().text(), c.text) << c.what;
        EXPECT_EQ(window->document().documentEncoding, c.encoding) << c.what;
        EXPECT_EQ(window->document().fileName, path);
        EXPECT_FALSE(window->isModified()) << c.what;
        const EditSelection caret = window->memo().selection();
        EXPECT_EQ(caret.start, 0u);
        EXPECT_EQ(caret.end, 0u);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OpeningTest, AMissingFileIsReportedAndTheDocumentStays) {
    const std::wstring kept = folder.file(L"kept.nfo", "kept");
    ASSERT_TRUE(window->loadDocument(kept, L""));
    const std::wstring missing = folder.path(L"missing.nfo");
    EXPECT_FALSE(window->loadDocument(missing, L""));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind(L"Cannot open file \"" + missing + L"\". ", 0), 0u)
        << narrow(ui.messages[0].text);
    EXPECT_GT(ui.messages[0].text.size(), missing.size() + 22) << "the system's description follows";
    EXPECT_EQ(ui.messages[0].text.back(), L'.');
    EXPECT_EQ(ui.messages[0].caption, L"kept.nfo - Vantry");
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(window->memo().text(), L"kept");
    EXPECT_EQ(window->document().fileName, kept);
}

TEST_F(OpeningTest, TextTheControlRefusesLeavesTheEditedDocumentAsItWas) {
    const std::wstring kept = folder.file(L"kept.nfo", "kept");
    ASSERT_TRUE(window->loadDocument(kept, L""));
    SendMessageW(window->memo().handle(), EM_SETSEL, 4, 4);
    SendMessageW(window->memo().handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L" edited"));
    window->memo().limitTextForTests(20);
    EXPECT_FALSE(window->loadDocument(folder.file(L"long.txt", std::string(100, 'x')), L""));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, L"Text exceeds memo capacity.");
    EXPECT_EQ(window->memo().text(), L"kept edited");
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(window->document().fileName, kept);
    EXPECT_TRUE(window->document().isNfoFont);
}

TEST_F(OpeningTest, AFileAnotherProgramHasOpenForWritingStillOpens) {
    const std::wstring path = folder.file(L"busy.txt", "busy");
    const HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(window->loadDocument(path, L""));
    CloseHandle(writer);
    EXPECT_EQ(window->memo().text(), L"busy");
}

TEST_F(OpeningTest, ADropOpensTheFirstFileAndFollowsShortcuts) {
    const std::wstring first = folder.file(L"first.nfo", "one");
    dropOn(window->handle(), {first, folder.file(L"second.nfo", "two"), folder.file(L"third.nfo", "three")});
    EXPECT_EQ(window->document().fileName, first);
    EXPECT_EQ(window->memo().text(), L"one");

    const std::wstring target = folder.file(L"target.diz", "target");
    makeShortcut(folder.path(L"link.lnk"), target);
    dropOn(window->handle(), {folder.path(L"link.lnk")});
    EXPECT_EQ(window->document().fileName, target);
    EXPECT_EQ(window->memo().text(), L"target");

    const std::wstring other = folder.file(L"other.nfo", "other");
    makeShortcut(folder.path(L"UPPER.LNK"), other);
    dropOn(window->handle(), {folder.path(L"UPPER.LNK")});
    EXPECT_EQ(window->document().fileName, other) << "extensions compare without case";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OpeningTest, TheOpenDialogOffersTheEncodingsAndKeepsTheChoiceForTheRun) {
    const std::wstring path = folder.file(L"u.txt", "\xC3\xA9");
    ui.fileAnswers.push_back(FileDialogAnswer{path, 2, 3});
    window->Open1Click();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].encodingIndex, 0);
    EXPECT_EQ(ui.fileDialogs[0].filterIndex, 1);
    EXPECT_EQ(ui.fileDialogs[0].defaultExtension, L"nfo");
    EXPECT_EQ(ui.fileDialogs[0].filter.substr(0, 36), L"All text files (*.nfo, *.diz, *.txt)");
    EXPECT_EQ(window->memo().text(), L"\x00E9");
    EXPECT_EQ(window->document().documentEncoding, TextEncoding::Utf8);

    ui.encodingChosenBeforeCancel = 4;
    window->Open1Click();  // cancelled: the document stays, the choice is kept
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_EQ(ui.fileDialogs[1].encodingIndex, 2);
    EXPECT_EQ(ui.fileDialogs[1].filterIndex, 3);
    EXPECT_EQ(window->document().fileName, path);
    window->Open1Click();
    EXPECT_EQ(ui.fileDialogs[2].encodingIndex, 4) << "the choice made before Cancel stays for the run";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OpeningTest, CaptionFollowsTheDocumentAndNewEmptiesIt) {
    wchar_t caption[256] = {};
    GetWindowTextW(window->handle(), caption, 256);
    EXPECT_STREQ(caption, L"Vantry");
    const std::wstring path = folder.file(L"group.nfo", "art");
    ASSERT_TRUE(window->loadDocument(path, L""));
    GetWindowTextW(window->handle(), caption, 256);
    EXPECT_STREQ(caption, L"group.nfo - Vantry");
    EXPECT_EQ(applicationTitle(), L"group.nfo - Vantry");

    SendMessageW(window->handle(), WM_COMMAND, IDM_NEW, 0);
    GetWindowTextW(window->handle(), caption, 256);
    EXPECT_STREQ(caption, L"Vantry");
    EXPECT_EQ(window->document().fileName, L"0");
    EXPECT_EQ(window->memo().text(), L"");
    EXPECT_EQ(applicationTitle(), L"Vantry");
    EXPECT_FALSE(window->isModified());
}

TEST_F(OpeningTest, TheFontFollowsTheModeAndTheFileName) {
    struct Case { const wchar_t* mode; const wchar_t* name; bool nfo; };
    const Case cases[] = {
        {L"extensionSelectDefaultAnsi", L"a.nfo", true},
        {L"extensionSelectDefaultAnsi", L"README.NFO", true},
        {L"extensionSelectDefaultAnsi", L"FILE_ID.DIZ", true},
        {L"extensionSelectDefaultAnsi", L"Notes.Txt", false},
        {L"extensionSelectDefaultAnsi", L"b.diz", true},
        {L"extensionSelectDefaultAnsi", L"notes.txt.nfo", true},
        {L"extensionSelectDefaultAnsi", L"c.txt", false},
        {L"extensionSelectDefaultAscii", L"README2.NFO", true},
        {L"extensionSelectDefaultAscii", L"d.txt", false},
        {L"extensionSelectDefaultAscii", L"readme", true},
        {L"alwaysAscii", L"e.txt", true},
        {L"alwaysAnsi", L"f.nfo", false},
    };
    for (const Case& c : cases) {
        window->settings().fontSelection = c.mode;
        ASSERT_TRUE(window->loadDocument(folder.file(c.name, "x"), L""));
        EXPECT_EQ(window->document().isNfoFont, c.nfo) << narrow(c.mode) << " " << narrow(c.name);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window->memo().handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, c.nfo ? L"ASCII VGA" : L"Courier New") << narrow(c.name);
    }
}

TEST_F(OpeningTest, AnUnknownFontModeIsRepairedAndShowsTheNfoFont) {
    window->settings().fontSelection = L"";
    ASSERT_TRUE(window->loadDocument(folder.file(L"plain.txt", "x"), L""));
    EXPECT_TRUE(window->document().isNfoFont);
    EXPECT_EQ(window->settings().fontSelection, L"extensionSelectDefaultAnsi");
    EXPECT_EQ(readValue(L"fontSelection"), L"extensionSelectDefaultAnsi");
}

}  // namespace
}  // namespace vantry::testing
