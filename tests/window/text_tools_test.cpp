// The text tools on the real text control: find and replace, go to line, delete line.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "shell/resource.h"
#include "tools/find_window.h"
#include "tools/goto_dialog.h"
#include "tools/message_dialog.h"
#include "tools/readme_viewer.h"
#include "base/paths.h"
#include "test_support.h"
#include "tools/portable/text_search.h"
#include "tools/tool_resources.h"

namespace vantry::testing {
namespace {

class TextToolsTest : public WindowTest {
protected:
    TextToolsTest() {
        ShowWindow(window->handle(), SW_SHOWNOACTIVATE);
        window->attachToolWindows({.find = &find, .goTo = &gotoDialog, .message = &message});
    }
    ~TextToolsTest() override { window->attachToolWindows({}); }

    void searchFor(const wchar_t* text) { SetDlgItemTextW(find.handle(), IDC_FIND_TEXT, text); }
    EditSelection selection() { return window->memo().selection(); }
    void caretAt(DWORD at) { window->memo().setSelection({at, at}); }
    HWND memo() { return window->memo().handle(); }
    // The caret at the start of a line, and the status bar showing it (as a key does).
    void shownAt(DWORD line) {
        caretAt(window->memo().lineIndex(line));
        SendMessageW(memo(), WM_KEYUP, VK_DOWN, 0);
    }
    // An Edit menu command, which acts on the text control when it has the focus.
    void editCommand(int id) {
        SetFocus(memo());
        command(id);
    }
    void copyFirstLines() {
        window->memo().setSelection({0, window->memo().lineIndex(2)});
        SendMessageW(memo(), WM_COPY, 0, 0);
    }
    void type(const wchar_t* text) {
        for (; *text; ++text) SendMessageW(memo(), WM_CHAR, *text, 0);
        SendMessageW(memo(), WM_KEYUP, 'C', 0);
    }
    // Answers the modal go-to dialog: the entry, OK, and Cancel should it stay open.
    void goTo(const wchar_t* entry) {
        SetDlgItemTextW(gotoDialog.handle(), IDC_GOTO_LINE, entry);
        PostMessageW(gotoDialog.handle(), WM_COMMAND, IDOK, 0);
        PostMessageW(gotoDialog.handle(), WM_COMMAND, IDCANCEL, 0);
        command(IDM_GOTO);
        pumpMessages();
    }

    TmessageDialog message{window->handle()};
    TMyFind find{window->handle(), *window};
    TGoto gotoDialog{window->handle(), [](const std::wstring&) {}};
};

TEST_F(TextToolsTest, SearchesFollowTheStoredOptions) {
    open("alpha Beta beta\r\nbeta aaa");
    struct Case {
        const char* what;
        const wchar_t* options;
        DWORD caret;
        EditSelection found;
        bool label;
    };
    const Case cases[] = {
        // match case, loop, from the top
        {"with case", L"100", 0, {11, 15}, false},
        {"without case", L"000", 12, {17, 21}, false},
        {"nothing below, no wrap", L"000", 22, {22, 22}, true},
        {"nothing below, wrap", L"010", 22, {6, 10}, false},
        {"a new search from the top", L"001", 12, {6, 10}, false},
    };
    for (const Case& c : cases) {
        writeValue(L"searchMatchCase", std::wstring(1, c.options[0]));
        writeValue(L"searchLooped", std::wstring(1, c.options[1]));
        writeValue(L"searchFromTop", std::wstring(1, c.options[2]));
        find.showFind(L"", TMyFind::kFindTab);
        searchFor(L"beta");
        caretAt(c.caret);
        find.findButtonClick();
        EXPECT_EQ(selection().start, c.found.start) << c.what;
        EXPECT_EQ(selection().end, c.found.end) << c.what;
        EXPECT_EQ(find.notFoundLabelShown(), c.label) << c.what;
    }
    EXPECT_TRUE(ui.messages.empty()) << "the Find button reports in the label only";
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
    EXPECT_EQ(selection().start, expected.size() - 7);
    EXPECT_EQ(selection().end, expected.size() - 2);
    EXPECT_EQ(window->memo().firstVisibleLine(), top) << "the view keeps its top line";
    SendMessageW(window->memo().handle(), WM_UNDO, 0, 0);
    EXPECT_EQ(window->memo().text().size(), text.size()) << "one step undoes the run";
}

TEST_F(TextToolsTest, EveryCommandThatMovesTheCaretShowsWhereItWent) {
    std::string text;
    for (int line = 1; line <= 150; ++line)
        text += "line " + std::to_string(line) + (line == 140 ? " cat" : "") + "\r\n";
    struct Case {
        const char* what;
        std::function<void()> act;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {"go to", [&] { goTo(L"120"); }, L"Ln: 120, Col: 1"},
        {"find", [&] { find.findButtonClick(); }, L"Ln: 140, Col: 10"},
        {"replace", [&] { find.replaceButtonClick(); }, L"Ln: 140, Col: 10"},
        {"replace all", [&] { find.replaceAllButtonClick(); }, L"Ln: 140, Col: 10"},
        {"delete line",
         [&] {
             caretAt(window->memo().lineIndex(9));
             command(IDM_DELETE_LINE);
         },
         L"Ln: 10, Col: 1"},
        // The Edit menu's commands given with the mouse, and the control's own menu.
        {"select all",
         [&] {
             shownAt(49);
             editCommand(IDM_SELECT_ALL);
         },
         L"Ln: 1, Col: 1"},
        {"paste",
         [&] {
             copyFirstLines();
             shownAt(9);
             editCommand(IDM_PASTE);
         },
         L"Ln: 12, Col: 1"},
        {"undo",
         [&] {
             shownAt(9);
             type(L"abc");
             editCommand(IDM_UNDO);
         },
         L"Ln: 10, Col: 1"},
        {"the control's paste",
         [&] {
             copyFirstLines();
             shownAt(9);
             SendMessageW(memo(), WM_PASTE, 0, 0);
         },
         L"Ln: 12, Col: 1"},
        {"the control's select all",
         [&] {
             shownAt(49);
             // The keys wait in the queue for the menu: the last item, Select All, chosen.
             PostMessageW(memo(), WM_KEYDOWN, VK_UP, 0);
             PostMessageW(memo(), WM_KEYDOWN, VK_RETURN, 0);
             SendMessageW(memo(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(memo()), MAKELPARAM(-1, -1));
         },
         L"Ln: 1, Col: 1"},
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

// The find window's fields draw a selection as the document draws it: art read with the
// ANSI code page sits at other characters than art read as 437, in another face.
TEST_F(TextToolsTest, TheFindFieldsShowTextInTheDocumentsFace) {
    struct Case {
        const char* text;
        const wchar_t* name;
        const wchar_t* face;
    };
    const Case cases[] = {{"\xC9\xCD\xCD art", L"art.nfo", L"ASCII VGA"},
                          {"plain", L"plain.nfo", L"ASCII VGA 1252"},
                          {"\xC9\xCD\xCD art", L"art.txt", L"Ms Sans Serif"}};
    for (const Case& c : cases) {
        open(c.text, c.name);
        find.showFind(L"", TMyFind::kFindTab);
        for (const int id : {IDC_FIND_TEXT, IDC_REPLACE_TEXT}) {
            EXPECT_STREQ(logFontOf(GetDlgItem(find.handle(), id)).lfFaceName, c.face) << narrow(c.name);
        }
        if (window->document().isNfoFont) {
            EXPECT_STREQ(logFontOf(memo()).lfFaceName, c.face) << narrow(c.name);
        }
    }
}

// However a change is asked for, a text that may not change stays as it is, and the
// user is told why in the message window.
TEST_F(TextToolsTest, EveryCommandThatChangesTheTextIsRefusedWhileChangesAreNotAllowed) {
    const std::wstring text = L"cat one\r\ncat two\r\n";
    struct Case {
        const char* what;
        EditSelection selected;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"delete line", {2, 2}, [&] { command(IDM_DELETE_LINE); }},
        {"delete the selection", {0, 5}, [&] { command(IDM_DELETE_LINE); }},
        {"cut", {0, 5}, [&] { command(IDM_CUT); }},
        {"paste", {0, 5}, [&] { command(IDM_PASTE); }},
        {"undo", {0, 0}, [&] { command(IDM_UNDO); }},
        {"replace", {0, 3}, [&] { find.replaceButtonClick(); }},
        {"replace all", {0, 0}, [&] { find.replaceAllButtonClick(); }},
    };
    for (const Case& c : cases) {
        window->memo().setText(L"dog one\r\ncat two\r\n");
        window->memo().setSelection({0, 3});
        window->memo().replaceSelection(L"cat");               // something to undo
        SendMessageW(window->memo().handle(), WM_COPY, 0, 0);  // and to paste
        if (!window->memo().readOnly()) command(IDM_ALLOW_CHANGES);
        ASSERT_TRUE(window->memo().readOnly());
        SetFocus(window->memo().handle());
        window->memo().setSelection(c.selected);
        find.showFind(L"cat", TMyFind::kReplaceTab);
        SetDlgItemTextW(find.handle(), IDC_REPLACE_TEXT, L"dog");
        message.close();
        SetFocus(window->memo().handle());
        c.act();
        EXPECT_EQ(window->memo().text(), text) << c.what;
        EXPECT_TRUE(message.isShowing()) << c.what;
        EXPECT_EQ(message.text(), kChangesNotAllowedMessage) << c.what;
        command(IDM_ALLOW_CHANGES);
    }
}

TEST_F(TextToolsTest, TheFindWindowsControlsLieClearOfEachOtherAndItsFieldsAreNamed) {
    EXPECT_EQ(findWindowLayoutFaults(find), std::vector<std::string>{});
    for (const auto& [id, name] :
         {std::pair{IDC_FIND_TEXT, L"Find what"}, std::pair{IDC_REPLACE_TEXT, L"Replace with"}}) {
        wchar_t banner[64] = {};
        SendDlgItemMessageW(find.handle(), id, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(banner), 64);
        EXPECT_EQ(std::wstring(banner), name);
    }
}

// The pixels a window shows in a rectangle of its client area, as its screen has them.
std::vector<COLORREF> shownPixels(HWND window, const RECT& area) {
    const HDC screen = GetDC(window);
    const UniqueDeviceContext memory(CreateCompatibleDC(screen));
    const GdiObject<HBITMAP> picture(CreateCompatibleBitmap(screen, area.right - area.left, area.bottom - area.top));
    const HGDIOBJ old = SelectObject(memory.get(), picture.get());
    BitBlt(memory.get(), 0, 0, area.right - area.left, area.bottom - area.top, screen, area.left, area.top, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < area.bottom - area.top; ++y) {
        for (int x = 0; x < area.right - area.left; ++x) pixels.push_back(GetPixel(memory.get(), x, y));
    }
    SelectObject(memory.get(), old);
    ReleaseDC(window, screen);
    return pixels;
}

// Switching tabs moves the check boxes; each is drawn once, where it now stands, with
// nothing of the boxes that stood there before showing through.
TEST_F(TextToolsTest, TheFindWindowRepaintsWhatItsTabsMove) {
    open("quick brown fox");
    for (const int tab : {TMyFind::kReplaceTab, TMyFind::kFindTab, TMyFind::kReplaceTab}) {
        find.showFind(L"quick", tab);
        pumpMessages();
        RECT boxes = clientRectOf(GetDlgItem(find.handle(), IDC_MATCH_CASE), find.handle());
        boxes.bottom = clientRectOf(GetDlgItem(find.handle(), IDC_CLOSE_ON_SEARCH), find.handle()).bottom;
        const std::vector<COLORREF> shown = shownPixels(find.handle(), boxes);
        RedrawWindow(find.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        EXPECT_TRUE(shown == shownPixels(find.handle(), boxes)) << "stale pixels on tab " << tab;
    }
}

// While the find window has the focus, F3 finds on and Ctrl+F and Ctrl+R switch its tab.
TEST_F(TextToolsTest, TheFindKeysWorkInTheFindWindow) {
    open("beta alpha beta");
    caretAt(0);
    find.showFind(L"beta", TMyFind::kFindTab);
    struct Case {
        const char* what;
        WPARAM key;
        bool ctrl;
        int tab;
        EditSelection selected;
    };
    const Case cases[] = {
        {"F3", VK_F3, false, TMyFind::kFindTab, {0, 4}},
        {"F3 again", VK_F3, false, TMyFind::kFindTab, {11, 15}},
        {"Ctrl+R", 'R', true, TMyFind::kReplaceTab, {11, 15}},
        {"Ctrl+F", 'F', true, TMyFind::kFindTab, {11, 15}},
    };
    for (const Case& c : cases) {
        MSG pressed{GetDlgItem(find.handle(), IDC_FIND_TEXT), WM_KEYDOWN, c.key, 1, 0, {}};
        withKeysDown(c.ctrl ? std::initializer_list<int>{VK_CONTROL} : std::initializer_list<int>{},
                     [&] { EXPECT_TRUE(routeDialogMessage(pressed)) << c.what; });
        EXPECT_EQ(find.tab(), c.tab) << c.what;
        EXPECT_EQ(selection().start, c.selected.start) << c.what;
        EXPECT_EQ(selection().end, c.selected.end) << c.what;
        EXPECT_TRUE(find.isShowing()) << c.what;
    }
}

// The find window moves out of the way of the match it selected.
TEST_F(TextToolsTest, AFoundMatchIsNotLeftUnderTheFindWindow) {
    std::string text;
    for (int line = 0; line < 20; ++line) text += "line\r\n";
    open(text + "the target\r\n");
    caretAt(0);
    find.showFind(L"target", TMyFind::kFindTab);
    POINT over = pointAt(window->memo().handle(), static_cast<DWORD>(text.size() + 4));
    ClientToScreen(window->memo().handle(), &over);
    SetWindowPos(find.handle(), nullptr, over.x - 30, over.y - 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    find.findButtonClick();
    ASSERT_EQ(selection().start, text.size() + 4);
    RECT bounds{};
    GetWindowRect(find.handle(), &bounds);
    for (const DWORD index : {selection().start, selection().end - 1}) {
        POINT at = pointAt(window->memo().handle(), index);
        ClientToScreen(window->memo().handle(), &at);
        EXPECT_FALSE(PtInRect(&bounds, at)) << rectText(bounds) << " covers character " << index;
    }
}

TEST_F(TextToolsTest, TheReadmeOpensAtItsTopWithNothingSelected) {
    TReadMe readMe(window->handle(), directoryOf(testProgramPath()));
    PostMessageW(readMe.handle(), WM_COMMAND, IDCANCEL, 0);
    readMe.showModal();
    const HWND shown = GetDlgItem(readMe.handle(), IDC_README_TEXT);
    ASSERT_GT(SendMessageW(shown, EM_GETLINECOUNT, 0, 0), 50) << "the readme is longer than the window";
    DWORD start = 1, end = 1;
    SendMessageW(shown, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    EXPECT_EQ(SendMessageW(shown, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
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

}  // namespace
}  // namespace vantry::testing
