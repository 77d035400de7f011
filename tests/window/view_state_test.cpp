// The switches, the status bar and ESC, driven through the real text control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "shell/resource.h"
#include "shell/windows.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

class ViewStateTest : public ::testing::Test {
protected:
    void open(const std::string& text) { ASSERT_TRUE(window->loadDocument(folder.file(L"doc.txt", text), L"")); }
    void command(int id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    bool checked(int id) { return menuChecked(window->handle(), id); }
    HWND memo() { return window->memo().handle(); }
    void keyUp() { SendMessageW(memo(), WM_KEYUP, VK_RIGHT, 0); }

    CleanSettingsKey clean;
    ScriptedUi ui;
    TempFolder folder;
    bool closed = false;
    std::unique_ptr<Tnfonote> window = makeMainWindow(std::nullopt, &closed);
};

TEST_F(ViewStateTest, EachSwitchIsStoredAtOnceAndShown) {
    struct Switch { int id; const wchar_t* setting; std::function<bool(Tnfonote&)> on; };
    const Switch switches[] = {
        {IDM_ALWAYS_ON_TOP, L"alwaysOnTop", [](Tnfonote& w) { return w.isWindowTopmost(); }},
        {IDM_WORD_WRAP, L"wordWrap",
         [](Tnfonote& w) { return !(GetWindowLongPtrW(w.memo().handle(), GWL_STYLE) & WS_HSCROLL); }},
        {IDM_ALLOW_CHANGES, L"allowTextChanges", [](Tnfonote& w) { return !w.memo().readOnly(); }},
        {IDM_STATUS_BAR, L"showStatusBar",
         [](Tnfonote& w) { return (GetWindowLongPtrW(w.statusBar(), GWL_STYLE) & WS_VISIBLE) != 0; }},
    };
    for (const Switch& s : switches) {
        const bool before = s.on(*window);
        for (bool expected : {!before, before}) {
            command(s.id);
            EXPECT_EQ(s.on(*window), expected) << s.id;
            EXPECT_EQ(checked(s.id), expected) << s.id;
            EXPECT_EQ(readValue(s.setting), expected ? L"1" : L"0") << s.id;
        }
    }
}

TEST_F(ViewStateTest, AHandEditedWordWrapWrapsButTheCommandLeavesIt) {
    writeValue(L"wordWrap", L"2");
    const auto edited = makeMainWindow();
    EXPECT_FALSE(GetWindowLongPtrW(edited->memo().handle(), GWL_STYLE) & WS_HSCROLL);
    SendMessageW(edited->handle(), WM_COMMAND, IDM_WORD_WRAP, 0);
    EXPECT_FALSE(GetWindowLongPtrW(edited->memo().handle(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(readValue(L"wordWrap"), L"2");
}

TEST_F(ViewStateTest, WordWrapKeepsTextSelectionPlaceFontAndChanges) {
    std::string text;
    for (int line = 0; line < 300; ++line) text += std::string(150, static_cast<char>('a' + line % 26)) + "\r\n";
    open(text);
    window->memo().setSelection({100, 100});
    SendMessageW(memo(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"edit"));
    window->memo().setSelection({1000, 1200});
    SendMessageW(memo(), EM_LINESCROLL, 0, 40);
    const std::wstring edited = window->memo().text();
    const WPARAM font = SendMessageW(memo(), WM_GETFONT, 0, 0);
    for (int round = 0; round < 2; ++round) {
        command(IDM_WORD_WRAP);
        EXPECT_EQ(window->memo().text(), edited);
        EXPECT_TRUE(window->isModified());
        EXPECT_EQ(window->memo().selection().start, 1000u);
        EXPECT_EQ(window->memo().selection().end, 1200u);
        EXPECT_EQ(SendMessageW(memo(), WM_GETFONT, 0, 0), font);
        EXPECT_FALSE(window->memo().readOnly());
    }
    EXPECT_EQ(window->memo().firstVisibleLine(), 40);
}

TEST_F(ViewStateTest, ReadOnlyTextCanBeSelectedAndCopiedButNotTyped) {
    open("fixed text");
    command(IDM_ALLOW_CHANGES);
    SetFocus(memo());
    SendMessageW(memo(), WM_CHAR, L'x', 0);
    EXPECT_EQ(window->memo().text(), L"fixed text");
    window->memo().setSelection({0, 5});
    SendMessageW(window->handle(), WM_COMMAND, IDM_COPY, 0);
    EXPECT_EQ(clipboardText(window->handle()), L"fixed");
}

TEST_F(ViewStateTest, StatusBarShowsTheSelectionStartAndThePath) {
    std::string big;
    while (big.size() < 70000) big += "0123456789012345678901234567890123456789\r\n";  // 42 per line
    open(big + "tail");
    struct Case { DWORD anchor; DWORD caret; const wchar_t* shown; };
    const DWORD beyond = static_cast<DWORD>(big.size()) + 2;
    const std::wstring beyondText = L"Ln: " + std::to_wstring(big.size() / 42 + 1) + L", Col: 3";
    const Case cases[] = {
        {50, 44, L"Ln: 2, Col: 3"},  // made right to left: its start
        {0, 0, L"Ln: 1, Col: 1"},
        {beyond, beyond, beyondText.c_str()},
    };
    for (const Case& c : cases) {
        window->memo().setSelection({c.anchor, c.caret});
        keyUp();
        EXPECT_EQ(statusPanel(window->statusBar(), 0), c.shown);
    }
    EXPECT_EQ(statusPanel(window->statusBar(), 1), window->document().fileName);

    open("one\r\ntwo\r\n");
    window->memo().setSelection({10, 10});  // after the final line break
    keyUp();
    EXPECT_EQ(statusPanel(window->statusBar(), 0), L"Ln: 3, Col: 1");

    command(IDM_STATUS_BAR);  // hidden: nothing is computed
    window->memo().setSelection({5, 5});
    keyUp();
    EXPECT_EQ(statusPanel(window->statusBar(), 0), L"Ln: 3, Col: 1");
    command(IDM_STATUS_BAR);  // shown again: current at once
    EXPECT_EQ(statusPanel(window->statusBar(), 0), L"Ln: 2, Col: 1");
}

TEST_F(ViewStateTest, EscapeClosesOnlyWhenAskedAndFirstClosesTheFindWindow) {
    TMyFind find(window->handle(), window->findWindowHost());
    MyFind = &find;
    ShowWindow(find.handle(), SW_SHOWNA);
    SendMessageW(memo(), WM_KEYDOWN, VK_ESCAPE, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindowVisible(find.handle()));
    EXPECT_FALSE(closed) << "ESC only closed the find window";
    MyFind = nullptr;

    window->settings().escExits = L"0";
    SendMessageW(memo(), WM_KEYDOWN, VK_ESCAPE, 0);
    pumpMessages();
    EXPECT_FALSE(closed);
    window->settings().escExits = L"1";
    SendMessageW(memo(), WM_KEYDOWN, VK_ESCAPE, 0);
    pumpMessages();
    EXPECT_TRUE(closed);
}

TEST_F(ViewStateTest, APressInTheTextMovesThePositionShown) {
    open("first\r\nsecond line\r\n");
    const POINT third = pointAt(memo(), 7 + 3);  // line 2, column 4
    SendMessageW(memo(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(third.x - 2, third.y));
    SendMessageW(memo(), WM_LBUTTONUP, 0, MAKELPARAM(third.x - 2, third.y));
    EXPECT_EQ(statusPanel(window->statusBar(), 0), L"Ln: 2, Col: 4");
}

TEST_F(ViewStateTest, NewKeepsWordWrapReadOnlyStateAndColours) {
    command(IDM_WORD_WRAP);
    command(IDM_ALLOW_CHANGES);
    open("text");
    const COLORREF background = window->backgroundColor();
    command(IDM_NEW);
    EXPECT_EQ(window->memo().text(), L"");
    EXPECT_TRUE(window->memo().wordWrap());
    EXPECT_TRUE(checked(IDM_WORD_WRAP));
    EXPECT_TRUE(window->memo().readOnly());
    EXPECT_FALSE(checked(IDM_ALLOW_CHANGES));
    EXPECT_EQ(window->backgroundColor(), background);
    EXPECT_EQ(window->textColor(), RGB(255, 255, 255));
}

}  // namespace
}  // namespace vantry::testing
