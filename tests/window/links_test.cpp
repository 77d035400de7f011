// Addresses under the pointer, with real mouse messages on the real text control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "shell/resource.h"
#include "test_support.h"
#include "win/shell_open.h"

namespace vantry::testing {
namespace {

constexpr char kDocument[] = "visit http://example.com/a%20b now\r\nwrite to joe@example.com.\r\nmailto:ann@x.org\r\n";
constexpr DWORD kWeb = 8;         // inside http://...
constexpr DWORD kBeforeWeb = 5;   // the space before it
constexpr DWORD kPlainWord = 1;   // "visit"
constexpr DWORD kEmail = 47;      // inside joe@example.com
constexpr DWORD kMailto = 65;     // inside mailto:ann@x.org

class LinksTest : public ::testing::Test {
protected:
    LinksTest() {
        setShellOpenObserver([this](const std::wstring& target) { opened.push_back(target); });
        ShowWindow(window->handle(), SW_SHOWNOACTIVATE);
        open(kDocument);
    }
    ~LinksTest() override { setShellOpenObserver(nullptr); }

    void open(const std::string& text) { ASSERT_TRUE(window->loadDocument(folder.file(L"doc.nfo", text), L"")); }
    HWND memo() { return window->memo().handle(); }
    void move(POINT at) { SendMessageW(memo(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y)); }
    void click(POINT at, WPARAM keys = 0, int dragX = 0) {
        SendMessageW(memo(), WM_LBUTTONDOWN, keys | MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageW(memo(), WM_LBUTTONUP, keys, MAKELPARAM(at.x + dragX, at.y));
    }
    void doubleClick(POINT at) {
        POINT screen = at;
        ClientToScreen(memo(), &screen);
        SetCursorPos(screen.x, screen.y);
        click(at);
        SendMessageW(memo(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageW(memo(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }

    CleanSettingsKey clean;
    ScriptedUi ui;
    TempFolder folder;
    std::unique_ptr<Tnfonote> window = makeMainWindow();
    std::vector<std::wstring> opened;
};

TEST_F(LinksTest, HandPointerAndTooltipOverAnAddressOnly) {
    struct Case { POINT at; const wchar_t* tooltip; };
    const POINT farRight{pointAt(memo(), 20).x + 300, pointAt(memo(), 20).y};
    const Case cases[] = {
        {pointAt(memo(), kWeb), L"CTRL + click to open in browser"},
        {pointAt(memo(), kBeforeWeb), L"CTRL + click to open in browser"},
        {pointAt(memo(), kEmail), L"CTRL + click to compose e-mail"},
        {pointAt(memo(), kPlainWord), nullptr},
        {farRight, nullptr},
        {{pointAt(memo(), kMailto).x, pointAt(memo(), kMailto).y + 200}, nullptr},  // below the last line
    };
    for (const Case& c : cases) {
        move(c.at);
        EXPECT_EQ(window->pointerOverAddress(), c.tooltip != nullptr) << c.at.x << "," << c.at.y;
        EXPECT_EQ(GetCursor() == LoadCursorW(nullptr, IDC_HAND), c.tooltip != nullptr);
        if (!c.tooltip) continue;
        wchar_t shown[128] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = window->handle();
        tool.uId = reinterpret_cast<UINT_PTR>(memo());
        tool.lpszText = shown;
        SendMessageW(window->tooltip(), TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(shown, c.tooltip);
    }
    window->settings().urlFollow = L"none";
    move(pointAt(memo(), kWeb));
    EXPECT_FALSE(window->pointerOverAddress()) << "\"none\" switches recognition off";
}

TEST_F(LinksTest, EachFollowModeOpensOnItsGestureOnly) {
    enum Gesture { Click, CtrlClick, DoubleClick, Drag };
    struct Case { const wchar_t* mode; Gesture gesture; size_t opens; };
    const Case cases[] = {
        {L"ctrlClick", Click, 0}, {L"ctrlClick", CtrlClick, 1}, {L"ctrlClick", DoubleClick, 0},
        {L"click", Click, 1}, {L"click", Drag, 0}, {L"doubleClick", Click, 0},
        {L"doubleClick", DoubleClick, 1}, {L"none", CtrlClick, 0},
    };
    for (const Case& c : cases) {
        window->settings().urlFollow = c.mode;
        window->settings().emailFollow = c.mode;
        for (DWORD at : {kWeb, kEmail}) {
            opened.clear();
            const POINT point = pointAt(memo(), at);
            switch (c.gesture) {
                case Click: click(point); break;
                case CtrlClick: click(point, MK_CONTROL); break;
                case DoubleClick: doubleClick(point); break;
                case Drag: click(point, 0, 10); break;
            }
            EXPECT_EQ(opened.size(), c.opens) << narrow(c.mode) << " gesture " << c.gesture << " at " << at;
            if (!opened.empty()) {
                EXPECT_EQ(opened[0], at == kWeb ? L"http://example.com/a%20b" : L"mailto:joe@example.com");
            }
        }
    }
    opened.clear();
    window->settings().emailFollow = L"click";
    click(pointAt(memo(), kMailto));
    EXPECT_EQ(opened, std::vector<std::wstring>{L"mailto:ann@x.org"});
}

TEST_F(LinksTest, CopyOnSelectCopiesTheDraggedSelection) {
    window->settings().copyOnSelect = L"1";
    const POINT from = pointAt(memo(), 0);
    const POINT to = pointAt(memo(), 5);
    SendMessageW(memo(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x - 2, from.y));
    SendMessageW(memo(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x - 2, to.y));
    SendMessageW(memo(), WM_LBUTTONUP, 0, MAKELPARAM(to.x - 2, to.y));
    const EditSelection caret = window->memo().selection();
    EXPECT_EQ(caret.start, 5u);
    EXPECT_EQ(caret.end, 5u);
    EXPECT_EQ(clipboardText(window->handle()), L"visit");
}

TEST_F(LinksTest, AddressesAreFoundWhereverTheyStand) {
    // Broken across display lines by word wrap: the whole address opens.
    const std::string longAddress = "http://wrapped.example/" + std::string(300, 'w');
    open("see " + longAddress + "\r\n");
    SendMessageW(window->handle(), WM_COMMAND, IDM_WORD_WRAP, 0);
    ASSERT_GT(SendMessageW(memo(), EM_GETLINECOUNT, 0, 0), 3);
    const DWORD secondDisplayLine = static_cast<DWORD>(SendMessageW(memo(), EM_LINEINDEX, 1, 0));
    click(pointAt(memo(), secondDisplayLine + 3), MK_CONTROL);
    EXPECT_EQ(opened, std::vector<std::wstring>{std::wstring(longAddress.begin(), longAddress.end())});
    SendMessageW(window->handle(), WM_COMMAND, IDM_WORD_WRAP, 0);

    // Beyond the 65,535th character and line.
    opened.clear();
    open(std::string(70000, '\n') + "http://far.example/x");
    ASSERT_GT(window->memo().lineCount(), 70000u);
    const DWORD start = static_cast<DWORD>(window->memo().textLength()) - 20;
    window->memo().setSelection({start, start});
    SendMessageW(memo(), EM_SCROLLCARET, 0, 0);
    click(pointAt(memo(), start + 4), MK_CONTROL);
    EXPECT_EQ(opened, std::vector<std::wstring>{L"http://far.example/x"});
}

TEST_F(LinksTest, NoHandWhereTheGestureWouldOpenNothing) {
    open("https:/one https//two http://three\r\n");
    struct Case { DWORD at; bool hand; };
    const Case cases[] = {{2, false}, {13, false}, {25, true}};
    for (const Case& c : cases) {
        move(pointAt(memo(), c.at));
        EXPECT_EQ(window->pointerOverAddress(), c.hand) << c.at;
    }

    // A character partly scrolled off the left edge is not under the pointer.
    open("http://example.com/" + std::string(400, 'a') + "\r\n");
    const int y = pointAt(memo(), 0).y;
    DWORD partial = 0;
    for (WORD percent = 1; percent < 100 && !partial; ++percent) {
        SendMessageW(memo(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, percent), 0);
        const DWORD index = LOWORD(SendMessageW(memo(), EM_CHARFROMPOS, 0, MAKELPARAM(1, y)));
        if (static_cast<short>(LOWORD(SendMessageW(memo(), EM_POSFROMCHAR, index, 0))) < 0) partial = index;
    }
    ASSERT_NE(partial, 0u) << "no scroll position left a character partly in view";
    move({1, y});
    EXPECT_FALSE(window->pointerOverAddress());
    move(pointAt(memo(), partial + 1));
    EXPECT_TRUE(window->pointerOverAddress()) << "the next character is whole";
}

}  // namespace
}  // namespace vantry::testing
