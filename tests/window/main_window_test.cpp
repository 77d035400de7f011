// The main window as start-up builds it: menu shortcuts, stored state and switches,
// the close sequence.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "settings/portable/settings_table.h"
#include "shell/resource.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

using MainWindowTest = WindowTest;

// The text a caption shows for an accelerator: "Ctrl+Alt+S", "Shift+Del", "F3",
// "Ctrl+Plus" (the keypad's key and Shift with the main one are the same shortcut).
std::wstring shortcutText(const ACCEL& entry) {
    const bool plusOrMinus =
        entry.key == VK_OEM_PLUS || entry.key == VK_ADD || entry.key == VK_OEM_MINUS || entry.key == VK_SUBTRACT;
    const std::wstring text = std::wstring(entry.fVirt & FCONTROL ? L"Ctrl+" : L"") +
                              (entry.fVirt & FALT ? L"Alt+" : L"") +
                              (entry.fVirt & FSHIFT && !plusOrMinus ? L"Shift+" : L"");
    if (entry.key >= VK_F1 && entry.key <= VK_F12) return text + L"F" + std::to_wstring(entry.key - VK_F1 + 1);
    if (entry.key == VK_DELETE || entry.key == VK_RETURN) return text + (entry.key == VK_DELETE ? L"Del" : L"Enter");
    if (plusOrMinus) return text + (entry.key == VK_OEM_PLUS || entry.key == VK_ADD ? L"Plus" : L"Minus");
    if (entry.key == VK_NUMPAD0) return text + L"0";
    return text + static_cast<wchar_t>(entry.key);
}

// Each accelerator is shown in the caption of its own command, and no caption shows
// a shortcut that is not one.
TEST_F(MainWindowTest, EachCaptionsShortcutIsTheAcceleratorOfItsCommand) {
    const HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    std::vector<ACCEL> entries(static_cast<size_t>(CopyAcceleratorTableW(table, nullptr, 0)));
    CopyAcceleratorTableW(table, entries.data(), static_cast<int>(entries.size()));
    DestroyAcceleratorTable(table);
    const HMENU menu = GetMenu(window->handle());
    std::set<WORD> commands;
    for (const ACCEL& entry : entries) {
        wchar_t caption[128] = {};
        GetMenuStringW(menu, entry.cmd, caption, 128, MF_BYCOMMAND);
        EXPECT_TRUE(std::wstring(caption).ends_with(L"\t" + shortcutText(entry))) << narrow(caption);
        commands.insert(entry.cmd);
    }
    size_t shown = 0;
    const std::function<void(HMENU)> count = [&](HMENU popup) {
        for (int position = 0; position < GetMenuItemCount(popup); ++position) {
            if (const HMENU sub = GetSubMenu(popup, position)) count(sub);
            wchar_t caption[128] = {};
            GetMenuStringW(popup, static_cast<UINT>(position), caption, 128, MF_BYPOSITION);
            shown += std::wstring(caption).find(L'\t') != std::wstring::npos ? 1 : 0;
        }
    };
    count(menu);
    EXPECT_EQ(shown, commands.size());
    EXPECT_EQ(shown, 26u);
}

// Zoom grows the shown face by whole cells for art and by tenths for text, from the
// wheel a notch at a time (smaller turns add up) and from the keys; the stored sizes
// and printing stay as they were.
TEST_F(MainWindowTest, ZoomScalesTheShownFaceOnlyAndKeepsTheTextInPlace) {
    std::string text;
    for (int line = 0; line < 150; ++line) text += "line " + std::to_string(line) + std::string(200, '.') + "\r\n";
    open(text, L"art.nfo");
    const auto memo = [&] { return window->memo().handle(); };  // word wrap makes the control anew
    const auto fontHeight = [&] { return logFontOf(memo()).lfHeight; };
    const auto wheel = [&](int delta) { SendMessageW(memo(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, delta), 0); };
    // The character at the top left of the view, with word wrap on and off.
    const auto topLeft = [&] {
        RECT shown{};
        SendMessageW(memo(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
        return LOWORD(SendMessageW(memo(), EM_CHARFROMPOS, 0, MAKELPARAM(shown.left + 1, shown.top + 1)));
    };
    const LONG normal = fontHeight();
    SendMessageW(memo(), EM_LINESCROLL, 40, 120);
    window->memo().setSelection({1000, 1000});
    const WORD shownFirst = topLeft();
    wheel(WHEEL_DELTA);
    EXPECT_EQ(fontHeight(), 2 * normal);
    EXPECT_EQ(statusPanel(window->statusBar(), 2), L"200%");
    EXPECT_EQ(topLeft(), shownFirst) << "the same text at the top left";
    EXPECT_EQ(window->memo().selection().start, 1000u);
    // A caret in view stays in view: the text at the top gives way as little as it must.
    command(IDM_ZOOM_RESET);
    const auto lastShownLine = [&] {
        RECT shown{};
        SendMessageW(memo(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
        return HIWORD(SendMessageW(memo(), EM_CHARFROMPOS, 0, MAKELPARAM(shown.left + 1, shown.bottom - 2)));
    };
    const int caretLine = lastShownLine() - 1;
    window->memo().setSelection({window->memo().lineIndex(caretLine), window->memo().lineIndex(caretLine)});
    command(IDM_ZOOM_IN);
    EXPECT_GE(caretLine, window->memo().firstVisibleLine());
    EXPECT_LE(caretLine, lastShownLine());
    wheel(WHEEL_DELTA / 2);
    EXPECT_EQ(fontHeight(), 2 * normal) << "half a notch is no step";
    wheel(WHEEL_DELTA / 2);
    EXPECT_EQ(fontHeight(), 3 * normal);
    command(IDM_WORD_WRAP);
    SendMessageW(memo(), EM_LINESCROLL, 0, 200);
    const DWORD wrappedFirst =
        window->memo().lineIndex(static_cast<DWORD>(SendMessageW(memo(), EM_GETFIRSTVISIBLELINE, 0, 0)));
    command(IDM_ZOOM_RESET);
    EXPECT_EQ(fontHeight(), normal);
    EXPECT_EQ(window->memo().lineFromChar(wrappedFirst),
              static_cast<DWORD>(SendMessageW(memo(), EM_GETFIRSTVISIBLELINE, 0, 0)))
        << "the same wrapped text on top";
    command(IDM_ZOOM_OUT);
    EXPECT_EQ(fontHeight(), normal / 2);
    EXPECT_EQ(window->settings().asciiFontHeight, L"-16");
    EXPECT_EQ(readValue(L"asciiFontHeight"), L"-16");

    open("notes", L"notes.txt");  // the zoom stays for the run: 50 % for text too
    EXPECT_EQ(statusPanel(window->statusBar(), 2), L"50%");
    command(IDM_ZOOM_RESET);
    const LONG text100 = fontHeight();
    command(IDM_ZOOM_IN);
    EXPECT_EQ(statusPanel(window->statusBar(), 2), L"110%");
    EXPECT_EQ(fontHeight(), MulDiv(text100, 110, 100));
}

// The fixture's window started on an empty key: each setting start-up reads is stored
// with its default, so that the registry shows what the program uses. What is stored
// applies at the next start.
TEST_F(MainWindowTest, AFirstStartStoresTheDefaultsAndStoredStateAppliesAtStart) {
    for (const int number : settingLoadOrder()) {
        EXPECT_EQ(readValue(settingName(number)), settingDefault(number)) << narrow(settingName(number));
    }
    const std::pair<const wchar_t*, const wchar_t*> stored[] = {
        {L"wordWrap", L"2"},        {L"allowTextChanges", L"0"}, {L"bgColor", L"255"},   {L"textColor", L"65280"},
        {L"showStatusBar", L"yes"}, {L"alwaysOnTop", L"1"},      {L"windowPosX", L"40"}, {L"windowPosY", L"30"},
        {L"windowWidth", L"500"},   {L"windowHeight", L"400"}};
    for (const auto& [name, value] : stored) writeValue(name, value);
    const auto started = makeMainWindow();
    EXPECT_TRUE(started->memo().wordWrap()) << "any number but 0 wraps";
    EXPECT_TRUE(menuChecked(started->handle(), IDM_WORD_WRAP));
    EXPECT_TRUE(started->memo().readOnly());
    EXPECT_FALSE(menuChecked(started->handle(), IDM_ALLOW_CHANGES));
    EXPECT_EQ(started->backgroundColor(), RGB(255, 0, 0));
    EXPECT_EQ(started->textColor(), RGB(0, 255, 0));
    EXPECT_FALSE(GetWindowLongPtrW(started->statusBar(), GWL_STYLE) & WS_VISIBLE) << "only \"1\" shows it";
    EXPECT_TRUE(started->isWindowTopmost());
    RECT bounds{};
    GetWindowRect(started->handle(), &bounds);
    EXPECT_EQ(rectText(bounds), "40,30 500x400");
}

TEST_F(MainWindowTest, ClosingStoresTheNormalPlacementAndWhetherItWasMaximized) {
    ShowWindow(window->handle(), SW_SHOWNORMAL);
    SetWindowPos(window->handle(), nullptr, 70, 60, 610, 420, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window->handle(), SW_MINIMIZE);
    SendMessageW(window->handle(), WM_COMMAND, IDM_EXIT, 0);
    EXPECT_TRUE(closed);
    std::wstring stored;
    for (const wchar_t* name : {L"windowIsMaximized", L"windowPosX", L"windowPosY", L"windowWidth", L"windowHeight"}) {
        stored += readValue(name) + L" ";
    }
    EXPECT_EQ(stored, L"0 70 60 610 420 ");

    const auto maximized = makeMainWindow();
    ShowWindow(maximized->handle(), SW_SHOWMAXIMIZED);
    SendMessageW(maximized->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(readValue(L"windowIsMaximized") + L" " + readValue(L"windowPosX"), L"1 70") << "the normal place stays";
}

TEST_F(MainWindowTest, EachSwitchIsStoredAtOnceAndShown) {
    struct Switch {
        int id;
        const wchar_t* setting;
        std::function<bool(Tnfonote&)> on;
    };
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
            EXPECT_EQ(menuChecked(window->handle(), s.id), expected) << s.id;
            EXPECT_EQ(readValue(s.setting), expected ? L"1" : L"0") << s.id;
        }
    }
}

}  // namespace
}  // namespace vantry::testing
