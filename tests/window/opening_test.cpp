// Opening documents: decoding, failures, drops, shortcuts, the Open dialog, and the
// font that follows the document.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "documents/file_info_dialog.h"
#include "documents/file_info_resources.h"
#include "shell/resource.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

class OpeningTest : public WindowTest {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1252u) << "the tests expect the Western code page"; }
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

// NFO art is read as code page 437 and drawn by the NFO face; text read with the ANSI
// code page is drawn by the face's 1252 companion, which draws art at 1252's characters.
TEST_F(OpeningTest, FilesAreDecodedByMarkOrCodePageAndHeldWithCrLf) {
    using E = TextEncoding;
    struct Case {
        const char* what;
        std::string bytes;
        const wchar_t* entry;
        std::wstring text;
        E encoding;
        const wchar_t* face;
    };
    const Case cases[] = {
        {"NFO art in code page 437", "\xDB\xDB\n", L"", L"\x2588\x2588\r\n", E::Oem437, L"ASCII VGA"},
        {"NFO art read as ANSI", "\xDB\xDB\n", L"ANSI", L"\x00DB\x00DB\r\n", E::Ansi, L"ASCII VGA 1252"},
        {"no mark read as UTF-8", "\xC3\xA9\rz", L"UTF-8 (Default Unicode)", L"\x00E9\r\nz", E::Utf8NoMark,
         L"ASCII VGA"},
    };
    for (const Case& c : cases) {
        const std::wstring path = folder.file(L"doc" + std::to_wstring(&c - cases) + L".nfo", c.bytes);
        ASSERT_TRUE(window->loadDocument(path, c.entry)) << c.what;
        EXPECT_EQ(window->memo().text(), c.text) << c.what;
        EXPECT_EQ(window->document().documentEncoding, c.encoding) << c.what;
        EXPECT_FALSE(window->isModified()) << c.what;
        EXPECT_EQ(window->memo().selection().end, 0u) << c.what;
        EXPECT_STREQ(logFontOf(window->memo().handle()).lfFaceName, c.face) << c.what;
    }
    EXPECT_TRUE(ui.messages.empty());
}

// A control that cannot take a text longer than `limit`, as one short of memory.
LRESULT CALLBACK refuseLongTexts(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR limit) {
    if (message == WM_SETTEXT && lParam && wcslen(reinterpret_cast<const wchar_t*>(lParam)) > limit) return FALSE;
    return DefSubclassProc(control, message, wParam, lParam);
}

// A missing file and a text the control refuses leave the edited document as it was.
TEST_F(OpeningTest, AFileThatCannotBeShownIsReportedAndTheDocumentStays) {
    const std::wstring kept = folder.file(L"kept.nfo", "kept");
    ASSERT_TRUE(window->loadDocument(kept, L""));
    SendMessageW(window->memo().handle(), EM_SETSEL, 4, 4);
    SendMessageW(window->memo().handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L" edited"));
    const std::wstring missing = folder.path(L"missing.nfo");
    EXPECT_FALSE(window->loadDocument(missing, L""));
    SetWindowSubclass(window->memo().handle(), refuseLongTexts, 1, 20);
    EXPECT_FALSE(window->loadDocument(folder.file(L"long.txt", std::string(100, 'x')), L""));
    RemoveWindowSubclass(window->memo().handle(), refuseLongTexts, 1);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text.rfind(L"Cannot open file \"" + missing + L"\". ", 0), 0u)
        << narrow(ui.messages[0].text);
    EXPECT_GT(ui.messages[0].text.size(), missing.size() + 22) << "the system's description follows";
    EXPECT_EQ(ui.messages[0].caption, L"kept.nfo - Vantry");
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(ui.messages[1].text, L"Text exceeds memo capacity.");
    EXPECT_EQ(window->memo().text(), L"kept edited");
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(window->document().fileName, kept);
    EXPECT_TRUE(window->document().isNfoFont);
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

    EXPECT_TRUE(ui.messages.empty());
}

// An NFO written in the ANSI code page or in DOS 866 shows the letters once reopened in
// it: drawn by the plain NFO face, at the caret where it was, saved back byte for byte,
// and read so again from the recent list until Automatic is chosen.
TEST_F(OpeningTest, ReopeningInAnotherEncodingShowsItsLettersAndKeepsTheBytes) {
    struct Case {
        const wchar_t* name;
        std::string bytes;
        int item;  // of File > Reopen with encoding
        std::wstring letters;
        size_t shown;  // a letter that the automatic reading shows as `misread`
        wchar_t misread;
        const wchar_t* status;
    };
    const Case cases[] = {
        {L"german.nfo",
         "Gr\xF6\xDF"
         "e f\xFCr\r\n",
         6,
         L"Gr\xF6\xDF"
         L"e f\xFCr\r\n",
         2, L'\xF7', L"Windows 1252"},
        {L"russian.nfo", "\x8F\xE0\xA8\xA2\xA5\xE2\r\n", 3, L"\x41F\x440\x438\x432\x435\x442\r\n", 0, L'\xC5',
         L"DOS 866"},
    };
    for (const Case& c : cases) {
        const std::wstring path = folder.file(c.name, c.bytes);
        ASSERT_TRUE(window->loadDocument(path, L""));
        ASSERT_EQ(window->memo().text()[c.shown], c.misread) << "read as 437 at first";
        window->memo().setSelection({3, 5});
        if (&c == cases) {
            command(IDM_REOPEN_FIRST + c.item);
        } else {  // a click on the status bar: on the zoom nothing, on the encoding the same menu
            for (const DWORD panel : {2u, 3u}) {
                NMMOUSE click{};
                click.hdr = {window->statusBar(), IDC_STATUSBAR1, static_cast<UINT>(NM_CLICK)};
                click.dwItemSpec = panel;
                ui.menuAnswers = {static_cast<UINT>(IDM_REOPEN_FIRST + c.item)};
                SendMessageW(window->handle(), WM_NOTIFY, IDC_STATUSBAR1, reinterpret_cast<LPARAM>(&click));
            }
            ASSERT_EQ(ui.menus.size(), 1u);
            EXPECT_EQ(ui.menus[0].size(), 12u);
            EXPECT_EQ(ui.menus[0][1], L"* DOS &437") << "what the document was read with";
            EXPECT_EQ(ui.menus[0][7], L"&ANSI 1252");
            std::set<wchar_t> keys;  // each item's access key, once in the menu
            for (const std::wstring& item : ui.menus[0]) keys.insert(towlower(item.at(item.find(L'&') + 1)));
            EXPECT_EQ(keys.size(), ui.menus[0].size());
        }
        EXPECT_EQ(window->memo().text(), c.letters);
        EXPECT_EQ(window->memo().selection().start, 3u);
        EXPECT_EQ(window->memo().selection().end, 5u);
        EXPECT_EQ(statusPanel(window->statusBar(), 3), c.status);
        const HMENU reopen = GetSubMenu(GetSubMenu(GetMenu(window->handle()), 0), 3);
        SendMessageW(window->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(reopen), 3);  // as it opens
        EXPECT_TRUE(menuChecked(window->handle(), IDM_REOPEN_FIRST + c.item));
        const HFONT font = fontOf(window->memo().handle());
        EXPECT_STREQ(logFontOf(window->memo().handle()).lfFaceName, L"ASCII VGA");
        const auto letter = drawCharacter(font, c.letters[c.shown]);
        EXPECT_NE(letter, drawCharacter(font, c.misread)) << narrow(c.name);
        EXPECT_NE(letter, drawCharacter(font, L' ')) << narrow(c.name) << ": the face has the letter";

        command(IDM_SAVE);
        EXPECT_EQ(fileBytes(path), c.bytes);
        const auto again = makeMainWindow(path);  // as the command line, a drop or the recent list open it
        EXPECT_EQ(again->memo().text(), c.letters);
    }
    command(IDM_REOPEN_FIRST);  // Automatic: read by the bytes, and no longer kept
    EXPECT_EQ(window->memo().text()[cases[1].shown], cases[1].misread);
    EXPECT_EQ(makeMainWindow(window->document().fileName)->memo().text()[cases[1].shown], cases[1].misread);
    EXPECT_TRUE(ui.messages.empty());
}

// A UTF-8 mark before 437 art and a SAUCE record after it are kept out of the text and
// written back around it as they were (the record's binary fields of zeros included); the
// record is listed in File information.
TEST_F(OpeningTest, AMarkAndASauceRecordAreKeptAsideAndTheRecordIsInformation) {
    std::string record = "SAUCE00" + std::string("Fire") + std::string(31, ' ') + "Artist" + std::string(14, ' ') +
                         "Group" + std::string(15, ' ') + "20220926" + std::string(14, '\0');
    record += '\x01';  // one comment line
    record += '\0';
    record += "IBM VGA" + std::string(15, '\0');
    const std::string comment = "COMNT" + std::string("Made for the party") + std::string(46, ' ');
    const std::string art = "\xDB\xDB\xB0 art\r\n";
    const std::string bytes = "\xEF\xBB\xBF" + art + "\x1A" + comment + record;
    ASSERT_EQ(record.size(), 128u);
    const std::wstring path = folder.file(L"sauce.nfo", bytes);
    ASSERT_TRUE(window->loadDocument(path, L""));
    EXPECT_EQ(window->memo().text(), L"\x2588\x2588\x2591 art\r\n");
    command(IDM_SAVE);
    EXPECT_EQ(fileBytes(path), bytes);

    TFileInfoDialog info{window->handle()};
    window->attachToolWindows({.fileInfo = &info});
    PostMessageW(info.handle(), WM_COMMAND, IDOK, 0);
    command(IDM_FILE_INFORMATION);
    wchar_t shown[512] = {};
    GetDlgItemTextW(info.handle(), IDC_FILE_INFO_SAUCE, shown, 512);
    const std::wstring text = shown;
    for (const wchar_t* field : {L"Title:\tFire\r\n", L"Author:\tArtist\r\n", L"Group:\tGroup\r\n", L"Font:\tIBM VGA",
                                 L"\r\n\r\nMade for the party"}) {
        EXPECT_NE(text.find(field), std::wstring::npos) << narrow(field);
    }
    EXPECT_EQ(text.find(L"20220926"), std::wstring::npos) << "the date as the user writes dates";
    EXPECT_NE(text.find(L"2022"), std::wstring::npos);
    const RECT box = clientRectOf(GetDlgItem(info.handle(), IDC_FILE_INFO_SAUCE), info.handle());
    const RECT frame = clientRectOf(GetDlgItem(info.handle(), IDC_FILE_INFO_FRAME), info.handle());
    const RECT ok = clientRectOf(GetDlgItem(info.handle(), IDOK), info.handle());
    EXPECT_TRUE(box.top >= frame.bottom && box.bottom <= ok.top && box.bottom - box.top > 100) << rectText(box);
    const auto boxShown = [&] {
        return (GetWindowLongPtrW(GetDlgItem(info.handle(), IDC_FILE_INFO_SAUCE), GWL_STYLE) & WS_VISIBLE) != 0;
    };
    EXPECT_TRUE(boxShown());

    open("no record", L"plain.nfo");  // the window as it was, without the box
    PostMessageW(info.handle(), WM_COMMAND, IDOK, 0);
    command(IDM_FILE_INFORMATION);
    EXPECT_FALSE(boxShown());
    EXPECT_LT(clientRectOf(GetDlgItem(info.handle(), IDOK), info.handle()).top, ok.top);
    window->attachToolWindows({});
}

// Run in prefixes made under Russian (code page 1251) and Japanese (932, double-byte)
// locales: NFO art is the same art there, saved back as it came, and text files are
// the system's own text.
using OtherLocale = WindowTest;
TEST_F(OtherLocale, NfoArtIsTheSameArtAndTextFilesTheSystemsText) {
    struct System {
        UINT codePage;
        std::string textBytes;
        std::wstring text;
    };
    const System systems[] = {{1251, "\xCF\xF0\xE8\xE2\xE5\xF2", L"\x041F\x0440\x0438\x0432\x0435\x0442"},
                              {932, "\x82\xB1\x82\xF1", L"\x3053\x3093"}};
    const auto system =
        std::find_if(std::begin(systems), std::end(systems), [](const System& s) { return s.codePage == GetACP(); });
    ASSERT_NE(system, std::end(systems)) << "the test expects code page 1251 or 932, not " << GetACP();

    const std::string art = "\xDB\xDB\xB0\xCD\x81\r\n";
    open(art, L"art.nfo");
    EXPECT_EQ(window->memo().text(), L"\x2588\x2588\x2591\x2550\x00FC\r\n");
    EXPECT_EQ(statusPanel(window->statusBar(), 3), L"DOS 437");
    const auto block = drawCharacter(fontOf(window->memo().handle()), window->memo().text()[0]);
    EXPECT_EQ(block[0].substr(0, 9), "########.") << "the shown face draws a solid block cell";
    EXPECT_EQ(block[15], block[0]);
    command(IDM_SAVE);
    EXPECT_EQ(fileBytes(window->document().fileName), art) << "saved back byte for byte";

    open(system->textBytes, L"notes.txt");
    EXPECT_EQ(window->memo().text(), system->text);
    EXPECT_EQ(statusPanel(window->statusBar(), 3), L"ANSI " + std::to_wstring(system->codePage));

    // Bytes the code page has no reading for are not written back as its replacement
    // character without a question.
    if (system->codePage != 932) return;
    const std::string invalid = "\x81 art \xDB\xA0";
    open(invalid, L"lossy.txt");
    EXPECT_EQ(statusPanel(window->statusBar(), 3), L"ANSI 932 (lossy)");
    ui.messageAnswers = {IDCANCEL};
    command(IDM_SAVE);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(L"Reopen with encoding"), std::wstring::npos);
    EXPECT_EQ(fileBytes(window->document().fileName), invalid);
}

}  // namespace
}  // namespace vantry::testing
