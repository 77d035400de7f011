// The text tools on the real text control: find and replace, go to line, delete line,
// the message window, the readme viewer and the about box.
#include <gtest/gtest.h>

#include <functional>

#include "shell/message_box.h"
#include "shell/resource.h"
#include "shell/windows.h"
#include "test_support.h"
#include "tools/tool_resources.h"
#include "win/shell_open.h"

namespace vantry::testing {
namespace {

class TextToolsTest : public ::testing::Test {
protected:
    TextToolsTest() {
        ShowWindow(window->handle(), SW_SHOWNOACTIVATE);
        MyFind = &find;
        messageDialog = &message;
        Goto = &gotoDialog;
    }
    ~TextToolsTest() override {
        MyFind = nullptr;
        messageDialog = nullptr;
        Goto = nullptr;
    }

    void open(const std::string& text) { ASSERT_TRUE(window->loadDocument(folder.file(L"doc.txt", text), L"")); }
    void command(int id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    void searchFor(const wchar_t* text) { SetDlgItemTextW(find.handle(), IDC_FIND_TEXT, text); }
    void press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    EditSelection selection() { return window->memo().selection(); }
    void caretAt(DWORD at) { window->memo().setSelection({at, at}); }
    // Answers the modal go-to dialog: the entry, OK, and Cancel should it stay open.
    void goTo(const wchar_t* entry) {
        SetDlgItemTextW(gotoDialog.handle(), IDC_GOTO_LINE, entry);
        PostMessageW(gotoDialog.handle(), WM_COMMAND, IDOK, 0);
        PostMessageW(gotoDialog.handle(), WM_COMMAND, IDCANCEL, 0);
        command(IDM_GOTO);
        pumpMessages();
    }

    CleanSettingsKey clean;
    ScriptedUi ui;
    TempFolder folder;
    std::unique_ptr<Tnfonote> window = makeMainWindow();
    TmessageDialog message{window->handle()};
    TMyFind find{window->handle(), window->findWindowHost()};
    TGoto gotoDialog{window->handle(),
                     [](const std::wstring& text) { showMessageBox(text, L"Vantry", MB_OK | MB_ICONWARNING); }};
};

TEST_F(TextToolsTest, SearchesFollowTheFourOptions) {
    open("alpha Beta beta\r\nbeta aaa");
    struct Case { const char* what; const wchar_t* matchCase; const wchar_t* loop; DWORD caret; EditSelection found; bool label; };
    const Case cases[] = {
        {"with case", L"1", L"0", 0, {11, 15}, false},
        {"without case", L"0", L"0", 0, {6, 10}, false},
        {"from the caret on", L"0", L"0", 12, {17, 21}, false},
        {"nothing below, no wrap", L"0", L"0", 22, {22, 22}, true},
        {"nothing below, wrap", L"0", L"1", 22, {6, 10}, false},
    };
    for (const Case& c : cases) {
        writeValue(L"searchMatchCase", c.matchCase);
        writeValue(L"searchLooped", c.loop);
        writeValue(L"searchFromTop", L"0");
        find.showFind(L"", TMyFind::kFindTab);
        searchFor(L"beta");
        caretAt(c.caret);
        find.findButtonClick();
        EXPECT_EQ(selection().start, c.found.start) << c.what;
        EXPECT_EQ(selection().end, c.found.end) << c.what;
        EXPECT_EQ(find.notFoundLabelShown(), c.label) << c.what;
    }
    // Overlapping runs: after "aa" is found, the rest "a" holds no other.
    searchFor(L"aa");
    caretAt(0);
    writeValue(L"searchLooped", L"0");
    find.showFind(L"", TMyFind::kFindTab);
    find.findButtonClick();
    EXPECT_EQ(selection().start, 22u);
    find.findButtonClick();
    EXPECT_TRUE(find.notFoundLabelShown());
    EXPECT_TRUE(ui.messages.empty()) << "the Find button reports in the label only";
}

TEST_F(TextToolsTest, ANewSearchStartsAtTheTopUntilItIsRepeated) {
    open("one two one two one");
    writeValue(L"searchFromTop", L"1");
    find.showFind(L"", TMyFind::kFindTab);
    searchFor(L"one");
    caretAt(15);
    find.findButtonClick();
    EXPECT_EQ(selection().start, 0u) << "a new search starts at the top";
    find.findButtonClick();
    EXPECT_EQ(selection().start, 8u) << "repeated: from the match on";
    searchFor(L"one");  // typing makes it new again
    find.findButtonClick();
    EXPECT_EQ(selection().start, 0u);
}

TEST_F(TextToolsTest, F3OpensTheWindowWhenEmptyAndReportsWhatIsNotFound) {
    open("text");
    command(IDM_FIND_NEXT);
    EXPECT_TRUE(find.isShowing());
    EXPECT_EQ(find.tab(), TMyFind::kFindTab);
    const std::wstring missing(45, L'm');
    searchFor(missing.c_str());
    command(IDM_FIND_NEXT);
    EXPECT_FALSE(find.isShowing());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, L"Text not found: " + missing.substr(0, 40) + L"...");
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(ui.messages[0].caption, L"Vantry");

    window->memo().setSelection({0, 2});
    command(IDM_REPLACE);
    EXPECT_TRUE(find.isShowing());
    EXPECT_EQ(find.tab(), TMyFind::kReplaceTab);
    wchar_t shown[64] = {};
    GetDlgItemTextW(find.handle(), IDC_FIND_TEXT, shown, 64);
    EXPECT_STREQ(shown, L"te") << "the selection's first line is the search text";
}

TEST_F(TextToolsTest, ReplaceReplacesTheSelectedMatchThenFindsTheNext) {
    open("beta\r\nxx beta beta");
    find.showFind(L"", TMyFind::kReplaceTab);
    searchFor(L"beta");
    SetDlgItemTextW(find.handle(), IDC_REPLACE_TEXT, L"B");
    window->memo().setSelection({0, 8});  // spans the line break; its first line matches
    find.replaceButtonClick();
    EXPECT_EQ(window->memo().text(), L"B beta beta");
    EXPECT_EQ(selection().start, 2u) << "the next match is selected";
    SendMessageW(window->memo().handle(), WM_UNDO, 0, 0);
    EXPECT_EQ(window->memo().text(), L"beta\r\nxx beta beta") << "a replacement can be undone";

    command(IDM_ALLOW_CHANGES);  // read-only now
    window->memo().setSelection({0, 4});
    find.replaceButtonClick();
    EXPECT_EQ(window->memo().text(), L"beta\r\nxx beta beta");
    EXPECT_TRUE(message.isShowing());
    EXPECT_EQ(message.text(), L"You have not selected to allow changes to the text. Turn this on under the "
                              L"Settings menu to be able to replace.");
    press(message.handle(), IDOK);
    EXPECT_FALSE(message.isShowing());
    EXPECT_EQ(GetFocus(), GetDlgItem(find.handle(), IDC_FIND_TEXT)) << "the focus goes back to the find window";
}

TEST_F(TextToolsTest, ReplaceAllReplacesInOnePassAndReportsInTheMessageWindow) {
    std::string text;
    for (int line = 0; line < 200; ++line) text += "cat dog CAT\r\n";
    open(text);
    window->memo().setSelection({1500, 1500});
    SendMessageW(window->memo().handle(), EM_SCROLLCARET, 0, 0);
    const int top = window->memo().firstVisibleLine();
    find.showFind(L"", TMyFind::kReplaceTab);
    searchFor(L"cat");
    SetDlgItemTextW(find.handle(), IDC_REPLACE_TEXT, L"a cat");  // holds the search text
    find.replaceAllButtonClick();
    std::wstring expected;
    for (int line = 0; line < 200; ++line) expected += L"a cat dog a cat\r\n";
    EXPECT_EQ(window->memo().text(), expected);
    EXPECT_EQ(message.text(), L"Replaced 400 occurrences in the text.");
    EXPECT_TRUE(find.notFoundLabelShown());
    EXPECT_EQ(selection().start, expected.size() - 7);
    EXPECT_EQ(selection().end, expected.size() - 2);
    EXPECT_EQ(window->memo().firstVisibleLine(), top) << "the view keeps its top line";
    SendMessageW(window->memo().handle(), WM_UNDO, 0, 0);
    EXPECT_EQ(window->memo().text().size(), text.size()) << "one step undoes the run";

    SetDlgItemTextW(find.handle(), IDC_FIND_TEXT, L"absent");
    find.replaceAllButtonClick();
    EXPECT_EQ(message.text(), L"Replaced 0 occurrences in the text.") << "a showing message takes the new text";
}

TEST_F(TextToolsTest, GoToLineReadsTheEntryAndMovesTheCaret) {
    std::string text;
    for (int line = 1; line <= 30; ++line) text += "line " + std::to_string(line) + "\r\n";
    open(text);
    const auto lineStart = [this](int line) { return window->memo().lineIndex(static_cast<DWORD>(line - 1)); };
    struct Case { const wchar_t* entry; int line; bool warns; };
    const Case cases[] = {
        {L" 12", 12, false}, {L"12 ", 0, true}, {L"abc", 0, true}, {L"", 0, true}, {L"$1A", 26, false},
        {L"0x1A", 26, false}, {L"31", 31, false}, {L"32", 0, false}, {L"0", 0, false}, {L"-1", 0, false},
        {L"99999999999", 0, true}, {L"-2147483648", 0, false}, {L"$80000000", 0, false},
    };
    for (const Case& c : cases) {
        caretAt(3);
        const size_t before = ui.messages.size();
        goTo(c.entry);
        EXPECT_EQ(selection().start, c.line ? lineStart(c.line) : 3u) << std::wstring(c.entry).size();
        EXPECT_EQ(ui.messages.size(), before + (c.warns ? 1 : 0)) << c.line;
    }
    EXPECT_EQ(ui.messages[0].text, L"'12 ' is not a valid integer value.");
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    wchar_t label[64] = {};
    GetDlgItemTextW(gotoDialog.handle(), IDC_GOTO_LABEL, label, 64);
    EXPECT_STREQ(label, L"Line number (1-30):");

    open("");
    goTo(L"1");
    GetDlgItemTextW(gotoDialog.handle(), IDC_GOTO_LABEL, label, 64);
    EXPECT_STREQ(label, L"Line number (1-1):");
    EXPECT_EQ(selection().start, 0u);
}

TEST_F(TextToolsTest, DeleteLineTakesTheSelectionOrTheCaretsLine) {
    struct Case { const char* text; EditSelection at; bool readOnly; const wchar_t* left; };
    const Case cases[] = {
        {"one\r\ntwo", {1, 1}, false, L"two"},
        {"one\r\ntwo", {6, 6}, false, L"one\r\n"},
        {"one\r\ntwo\r\nthree", {2, 7}, false, L"ono\r\nthree"},
        {"one\r\ntwo", {0, 0}, true, L"two"},
    };
    for (const Case& c : cases) {
        open(c.text);
        if (c.readOnly != window->memo().readOnly()) command(IDM_ALLOW_CHANGES);
        window->memo().setSelection(c.at);
        command(IDM_DELETE_LINE);
        EXPECT_EQ(window->memo().text(), c.left) << c.text;
        EXPECT_TRUE(window->isModified());
    }
    if (window->memo().readOnly()) command(IDM_ALLOW_CHANGES);
    std::string big(70000, 'x');
    open(big + "\r\nfar line\r\nlast");
    caretAt(70000 + 2 + 3);
    command(IDM_DELETE_LINE);
    EXPECT_EQ(window->memo().textLength(), 70000 + 2 + 4) << "the line past character 70,000 went";
}

TEST_F(TextToolsTest, EveryCommandThatMovesTheCaretShowsWhereItWent) {
    std::string text;
    for (int line = 1; line <= 150; ++line) text += "line " + std::to_string(line) + (line == 140 ? " cat" : "") + "\r\n";
    struct Case { const char* what; std::function<void()> act; const wchar_t* shown; };
    const Case cases[] = {
        {"go to", [&] { goTo(L"120"); }, L"Ln: 120, Col: 1"},
        {"find", [&] { find.findButtonClick(); }, L"Ln: 140, Col: 10"},
        {"F3", [&] { command(IDM_FIND_NEXT); }, L"Ln: 140, Col: 10"},
        {"replace", [&] { find.replaceButtonClick(); }, L"Ln: 140, Col: 10"},
        {"replace all", [&] { find.replaceAllButtonClick(); }, L"Ln: 140, Col: 10"},
        {"delete line", [&] { caretAt(window->memo().lineIndex(9)); command(IDM_DELETE_LINE); }, L"Ln: 10, Col: 1"},
    };
    for (const Case& c : cases) {
        open(text);
        caretAt(0);
        SendMessageW(window->memo().handle(), WM_KEYUP, VK_HOME, 0);
        find.showFind(L"", TMyFind::kReplaceTab);
        searchFor(L"cat");
        SetDlgItemTextW(find.handle(), IDC_REPLACE_TEXT, L"dog");
        c.act();
        EXPECT_EQ(statusPanel(window->statusBar(), 0), c.shown) << c.what;
    }
}

TEST_F(TextToolsTest, AnEmptySearchFindsAndReplacesNothing) {
    open("text");
    find.showFind(L"", TMyFind::kReplaceTab);
    searchFor(L"");
    SetDlgItemTextW(find.handle(), IDC_REPLACE_TEXT, L"inserted");
    caretAt(2);
    find.replaceButtonClick();
    find.replaceAllButtonClick();
    find.findButtonClick();
    EXPECT_EQ(window->memo().text(), L"text");
    EXPECT_EQ(selection().start, 2u);
    EXPECT_EQ(message.text(), L"Replaced 0 occurrences in the text.");
    EXPECT_FALSE(window->isModified());
}

TEST_F(TextToolsTest, TheMessageWindowClosesOnEnterOrEscape) {
    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        message.showMessageWindow(find.handle(), L"first");
        message.showMessageWindow(find.handle(), L"second");
        EXPECT_EQ(message.text(), L"second");
        MSG keyDown{GetDlgItem(message.handle(), IDOK), WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(routeDialogMessage(keyDown));
        pumpMessages();
        EXPECT_FALSE(message.isShowing()) << key;
    }
}

TEST_F(TextToolsTest, TheAboutBoxLinksGoToTheShellAndOtherClicksClose) {
    std::vector<std::wstring> opened;
    setShellOpenObserver([&opened](const std::wstring& target) { opened.push_back(target); });
    Tabout box(window->handle());
    PostMessageW(box.handle(), WM_COMMAND, MAKEWPARAM(IDC_ABOUT_MAIL, STN_CLICKED), 0);
    PostMessageW(box.handle(), WM_COMMAND, MAKEWPARAM(IDC_ABOUT_WEB, STN_CLICKED), 0);
    PostMessageW(box.handle(), WM_COMMAND, MAKEWPARAM(IDC_ABOUT_PRODUCT, STN_CLICKED), 0);
    EXPECT_EQ(box.showModal(), IDOK);
    setShellOpenObserver(nullptr);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].rfind(L"mailto:", 0), 0u);
    EXPECT_NE(opened[0].find(L"?subject=Vantry feedback"), std::wstring::npos);
    EXPECT_EQ(opened[1], Tabout::webLink());
    wchar_t product[64] = {};
    GetDlgItemTextW(box.handle(), IDC_ABOUT_PRODUCT, product, 64);
    EXPECT_STREQ(product, L"Vantry 1.51");
    // A link is painted with a real brush: colour answers come back directly, not as TRUE.
    const HDC dc = GetDC(box.handle());
    const auto brush = reinterpret_cast<HGDIOBJ>(SendMessageW(box.handle(), WM_CTLCOLORSTATIC,
                                                              reinterpret_cast<WPARAM>(dc),
                                                              reinterpret_cast<LPARAM>(GetDlgItem(box.handle(), IDC_ABOUT_MAIL))));
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 128));
    ReleaseDC(box.handle(), dc);
}

TEST_F(TextToolsTest, TheReadmeIsReadAtEveryShowingAndAMissingOneIsReported) {
    TReadMe viewer(window->handle(), folder.folder());
    PostMessageW(viewer.handle(), WM_COMMAND, IDCANCEL, 0);
    viewer.showModal();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind(L"Cannot open file", 0), 0u);
    EXPECT_EQ(viewer.text(), L"readme file not found");

    folder.file(L"readme.nfo", "\xDB\xDB art\n");
    PostMessageW(viewer.handle(), WM_COMMAND, IDCANCEL, 0);
    viewer.showModal();
    EXPECT_EQ(viewer.text(), L"\x00DB\x00DB art\r\n");
    folder.file(L"readme.nfo", "changed");
    PostMessageW(viewer.handle(), WM_COMMAND, IDCANCEL, 0);
    viewer.showModal();
    EXPECT_EQ(viewer.text(), L"changed");
}

}  // namespace
}  // namespace vantry::testing
