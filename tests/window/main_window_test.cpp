// The main window as start-up builds it: menu, edit commands, stored switches and
// placement, the close sequence.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "shell/resource.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

std::wstring menuCaption(HMENU menu, UINT item, UINT by) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, item, text, 128, by);
    return text;
}

class MainWindowTest : public ::testing::Test {
protected:
    CleanSettingsKey clean;
    ScriptedUi ui;
};

TEST_F(MainWindowTest, TheMenuHasEveryCommandWithItsShortcut) {
    const auto window = makeMainWindow();
    const HMENU menu = GetMenu(window->handle());
    const wchar_t* topLevel[] = {L"&File", L"&Edit", L"&Settings", L"&View", L"&Help"};
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    for (UINT i = 0; i < 5; ++i) EXPECT_EQ(menuCaption(menu, i, MF_BYPOSITION), topLevel[i]);

    struct Item { int id; const wchar_t* caption; bool availableNow; };
    const Item items[] = {
        {IDM_NEW, L"&New\tCtrl+N", true}, {IDM_NEW_WINDOW, L"New &Window\tCtrl+Alt+W", true},
        {IDM_OPEN, L"&Open...\tCtrl+O", true}, {IDM_SAVE, L"&Save\tCtrl+S", true},
        {IDM_SAVE_AS, L"Save &As...\tCtrl+Alt+S", true}, {IDM_PRINT, L"&Print...\tCtrl+P", true},
        {IDM_FILE_INFORMATION, L"File &information...\tAlt+Enter", true},
        {IDM_EXIT, L"&Exit\tCtrl+Q", true}, {IDM_UNDO, L"&Undo\tCtrl+Z", true},
        {IDM_CUT, L"Cu&t\tCtrl+X", true}, {IDM_COPY, L"&Copy\tCtrl+C", true},
        {IDM_PASTE, L"&Paste\tCtrl+V", true}, {IDM_DELETE_LINE, L"&Delete line\tShift+Del", true},
        {IDM_FIND, L"&Find...\tCtrl+F", true}, {IDM_FIND_NEXT, L"Find &next\tF3", true},
        {IDM_REPLACE, L"&Replace\tCtrl+R", true}, {IDM_GOTO, L"&Go to...\tCtrl+G", true},
        {IDM_SELECT_ALL, L"Select &All\tCtrl+A", true}, {IDM_ALWAYS_ON_TOP, L"&Always on top\tCtrl+T", true},
        {IDM_WORD_WRAP, L"&Word wrap\tCtrl+W", true}, {IDM_ALLOW_CHANGES, L"Allow &changes to text", true},
        {IDM_OPTIONS, L"&Options...\tF5", true}, {IDM_STATUS_BAR, L"&Status bar", true},
        {IDM_README, L"&Readme...", true}, {IDM_ABOUT, L"&About...\tF1", true},
    };
    for (const Item& item : items) {
        EXPECT_EQ(menuCaption(menu, static_cast<UINT>(item.id), MF_BYCOMMAND), item.caption) << item.id;
        if (!item.availableNow) {
            EXPECT_FALSE(menuEnabled(window->handle(), item.id)) << item.id;
        }
    }
}

TEST_F(MainWindowTest, EditCommandsAreEnabledOnlyWhenTheyCanAct) {
    const auto window = makeMainWindow();
    ShowWindow(window->handle(), SW_SHOWNORMAL);
    const HWND memo = window->memo().handle();
    const HMENU editMenu = GetSubMenu(GetMenu(window->handle()), 1);
    SetWindowTextW(memo, L"some text");
    if (OpenClipboard(window->handle())) {
        EmptyClipboard();
        CloseClipboard();
    }
    struct Case { const char* what; bool focus; bool readOnly; DWORD selEnd; bool undo, cut, copy, paste, all; };
    const Case cases[] = {
        {"caret, editable", true, false, 0, false, false, false, false, true},
        {"selection, editable", true, false, 4, false, true, true, false, true},
        {"selection, read-only", true, true, 4, false, false, true, false, true},
        {"no focus", false, false, 4, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        SetFocus(c.focus ? memo : nullptr);
        window->memo().setReadOnly(c.readOnly);
        window->memo().setSelection({0, c.selEnd});
        SendMessageW(window->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(editMenu), 1);
        EXPECT_EQ(menuEnabled(window->handle(), IDM_UNDO), c.undo) << c.what;
        EXPECT_EQ(menuEnabled(window->handle(), IDM_CUT), c.cut) << c.what;
        EXPECT_EQ(menuEnabled(window->handle(), IDM_COPY), c.copy) << c.what;
        EXPECT_EQ(menuEnabled(window->handle(), IDM_PASTE), c.paste) << c.what;
        EXPECT_EQ(menuEnabled(window->handle(), IDM_SELECT_ALL), c.all) << c.what;
    }
    // Typing makes undo possible; copy then paste works through the commands.
    SetFocus(memo);
    window->memo().setReadOnly(false);
    window->memo().setSelection({0, 4});
    SendMessageW(window->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(editMenu), 1);
    SendMessageW(window->handle(), WM_COMMAND, IDM_COPY, 0);
    window->memo().setSelection({9, 9});
    SendMessageW(window->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(editMenu), 1);
    SendMessageW(window->handle(), WM_COMMAND, IDM_PASTE, 0);
    EXPECT_EQ(window->memo().text(), L"some textsome");
    SendMessageW(window->handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(editMenu), 1);
    EXPECT_TRUE(menuEnabled(window->handle(), IDM_UNDO));
    EXPECT_TRUE(window->isModified());
}

TEST_F(MainWindowTest, StoredSwitchesColoursAndPlacementApplyAtStart) {
    writeValue(L"wordWrap", L"2");
    writeValue(L"allowTextChanges", L"0");
    writeValue(L"bgColor", L"255");
    writeValue(L"textColor", L"65280");
    writeValue(L"showStatusBar", L"yes");
    writeValue(L"alwaysOnTop", L"1");
    writeValue(L"windowPosX", L"40");
    writeValue(L"windowPosY", L"30");
    writeValue(L"windowWidth", L"500");
    writeValue(L"windowHeight", L"400");
    const auto window = makeMainWindow();
    const LONG_PTR memoStyle = GetWindowLongPtrW(window->memo().handle(), GWL_STYLE);
    EXPECT_FALSE(memoStyle & WS_HSCROLL) << "word wrap shows only the vertical scroll bar";
    EXPECT_FALSE(memoStyle & ES_AUTOHSCROLL);
    EXPECT_TRUE(memoStyle & ES_READONLY);
    EXPECT_TRUE(menuChecked(window->handle(), IDM_WORD_WRAP));
    EXPECT_FALSE(menuChecked(window->handle(), IDM_ALLOW_CHANGES));
    EXPECT_EQ(window->backgroundColor(), RGB(255, 0, 0));
    EXPECT_EQ(window->textColor(), RGB(0, 255, 0));
    EXPECT_FALSE(GetWindowLongPtrW(window->statusBar(), GWL_STYLE) & WS_VISIBLE) << "only \"1\" shows it";
    EXPECT_FALSE(menuChecked(window->handle(), IDM_STATUS_BAR));
    EXPECT_TRUE(window->isWindowTopmost());
    EXPECT_TRUE(menuChecked(window->handle(), IDM_ALWAYS_ON_TOP));
    RECT bounds{};
    GetWindowRect(window->handle(), &bounds);
    EXPECT_EQ(bounds.left, 40);
    EXPECT_EQ(bounds.top, 30);
    EXPECT_EQ(bounds.right - bounds.left, 500);
    EXPECT_EQ(bounds.bottom - bounds.top, 400);
}

TEST_F(MainWindowTest, DefaultsShowWhiteOnBlueEditableWithStatusBar) {
    const auto window = makeMainWindow();
    EXPECT_EQ(window->backgroundColor(), RGB(49, 61, 115));
    EXPECT_EQ(window->textColor(), RGB(255, 255, 255));
    EXPECT_FALSE(window->memo().readOnly());
    EXPECT_TRUE(menuChecked(window->handle(), IDM_ALLOW_CHANGES));
    EXPECT_FALSE(menuChecked(window->handle(), IDM_WORD_WRAP));
    EXPECT_TRUE(GetWindowLongPtrW(window->memo().handle(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_TRUE(GetWindowLongPtrW(window->statusBar(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(window->isWindowTopmost());
    wchar_t panel[64] = {};
    SendMessageW(window->statusBar(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(panel));
    EXPECT_STREQ(panel, L"Ln: 1, Col: 1");
}

TEST_F(MainWindowTest, HeightDecidesTheDrawnSize) {
    writeValue(L"ansiFontSize", L"12");
    writeValue(L"ansiFontHeight", L"-20");
    writeValue(L"ansiFontStyle", L"boldItalic");
    const auto window = makeMainWindow();
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(window->memo().handle(), WM_GETFONT, 0, 0));
    const HDC dc = GetDC(window->memo().handle());
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window->memo().handle(), dc);
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 20);
    EXPECT_GE(metrics.tmWeight, FW_BOLD);
    EXPECT_TRUE(metrics.tmItalic);
}

TEST_F(MainWindowTest, ClosingStoresThePlacement) {
    bool closed = false;
    {
        const auto window = makeMainWindow(std::nullopt, &closed);
        SetWindowPos(window->handle(), nullptr, 70, 60, 610, 420, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(window->handle(), WM_COMMAND, IDM_EXIT, 0);
        EXPECT_TRUE(closed);
    }
    EXPECT_EQ(readValue(L"windowIsMaximized"), L"0");
    EXPECT_EQ(readValue(L"windowPosX"), L"70");
    EXPECT_EQ(readValue(L"windowPosY"), L"60");
    EXPECT_EQ(readValue(L"windowWidth"), L"610");
    EXPECT_EQ(readValue(L"windowHeight"), L"420");

    const auto minimized = makeMainWindow();
    ShowWindow(minimized->handle(), SW_SHOWNORMAL);
    SetWindowPos(minimized->handle(), nullptr, 90, 80, 500, 300, SWP_NOZORDER);
    ShowWindow(minimized->handle(), SW_MINIMIZE);
    SendMessageW(minimized->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(readValue(L"windowIsMaximized"), L"0");
    EXPECT_EQ(readValue(L"windowPosX"), L"90");
    EXPECT_EQ(readValue(L"windowWidth"), L"500");

    const auto maximized = makeMainWindow();
    ShowWindow(maximized->handle(), SW_SHOWMAXIMIZED);
    SendMessageW(maximized->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(readValue(L"windowIsMaximized"), L"1");
    EXPECT_EQ(readValue(L"windowPosX"), L"90") << "the normal place stays as stored";
}

TEST_F(MainWindowTest, TheShortcutsAreTheDocumentedKeys) {
    const HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> entries(static_cast<size_t>(CopyAcceleratorTableW(table, nullptr, 0)));
    CopyAcceleratorTableW(table, entries.data(), static_cast<int>(entries.size()));
    const auto commandOf = [&entries](BYTE modifiers, WORD key) {
        for (const ACCEL& entry : entries) {
            if (entry.key == key && (entry.fVirt & ~FNOINVERT) == (FVIRTKEY | modifiers)) return static_cast<int>(entry.cmd);
        }
        return 0;
    };
    struct Case { BYTE modifiers; WORD key; int command; };
    const Case cases[] = {
        {FCONTROL, 'N', IDM_NEW}, {FCONTROL | FALT, 'W', IDM_NEW_WINDOW}, {FCONTROL, 'O', IDM_OPEN},
        {FCONTROL, 'S', IDM_SAVE}, {FCONTROL | FALT, 'S', IDM_SAVE_AS}, {FCONTROL, 'P', IDM_PRINT},
        {FCONTROL, 'Q', IDM_EXIT}, {FCONTROL, 'Z', IDM_UNDO}, {FCONTROL, 'X', IDM_CUT}, {FCONTROL, 'C', IDM_COPY},
        {FCONTROL, 'V', IDM_PASTE}, {FSHIFT, VK_DELETE, IDM_DELETE_LINE}, {FCONTROL, 'F', IDM_FIND},
        {0, VK_F3, IDM_FIND_NEXT}, {FCONTROL, 'R', IDM_REPLACE}, {FCONTROL, 'G', IDM_GOTO},
        {FCONTROL, 'A', IDM_SELECT_ALL}, {FCONTROL, 'T', IDM_ALWAYS_ON_TOP}, {FCONTROL, 'W', IDM_WORD_WRAP},
        {0, VK_F5, IDM_OPTIONS}, {0, VK_F1, IDM_ABOUT}, {FALT, VK_RETURN, IDM_FILE_INFORMATION},
        {FCONTROL | FSHIFT, 'S', 0}, {FCONTROL | FSHIFT, 'W', 0},  // Alt, not Shift
    };
    for (const Case& c : cases) EXPECT_EQ(commandOf(c.modifiers, c.key), c.command) << c.key << " " << int(c.modifiers);
    EXPECT_EQ(entries.size(), 22u);
    DestroyAcceleratorTable(table);
}

// The text control fills the client area above a 19-pixel status bar; a minimized
// window keeps the layout it had, so wrapped text is not broken anew twice.
TEST_F(MainWindowTest, LayoutKeepsA19PixelStatusBarAndIsLeftAloneWhileMinimized) {
    writeValue(L"wordWrap", L"1");
    const auto window = makeMainWindow();
    window->show();
    const auto boundsOf = [](HWND control) {
        RECT bounds{};
        GetWindowRect(control, &bounds);
        return bounds;
    };
    RECT client{};
    GetClientRect(window->handle(), &client);
    const RECT status = boundsOf(window->statusBar());
    const RECT memo = boundsOf(window->memo().handle());
    EXPECT_EQ(status.bottom - status.top, 19);
    EXPECT_EQ(memo.bottom - memo.top, client.bottom - 19);
    EXPECT_EQ(memo.right - memo.left, client.right);

    const auto version = window->memo().version();
    ShowWindow(window->handle(), SW_MINIMIZE);
    pumpMessages();
    const RECT minimized = boundsOf(window->memo().handle());
    EXPECT_EQ(minimized.right - minimized.left, memo.right - memo.left) << "no layout for a minimized window";
    EXPECT_EQ(minimized.bottom - minimized.top, memo.bottom - memo.top);
    EXPECT_EQ(window->memo().version(), version) << "the text control was not resized";
    ShowWindow(window->handle(), SW_RESTORE);
    pumpMessages();
    const RECT restored = boundsOf(window->memo().handle());
    EXPECT_EQ(restored.bottom - restored.top, memo.bottom - memo.top);
    EXPECT_EQ(restored.right - restored.left, memo.right - memo.left);
}

}  // namespace
}  // namespace vantry::testing
