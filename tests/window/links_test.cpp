// Addresses under the pointer, with real mouse messages on the real text control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "shell/resource.h"
#include "test_support.h"
#include "tools/portable/link_scan.h"

namespace vantry::testing {
namespace {

constexpr char kDocument[] = "visit http://example.com/a%20b now\r\nwrite to joe@example.com.\r\n";
constexpr DWORD kWeb = 8;     // inside http://...
constexpr DWORD kEmail = 47;  // inside joe@example.com

class LinksTest : public WindowTest {
protected:
    LinksTest() {
        ShowWindow(window->handle(), SW_SHOWNOACTIVATE);
        open(kDocument);
    }

    HWND memo() { return window->memo().handle(); }
    void click(POINT at, WPARAM keys = 0, int dragX = 0) {
        SendMessageW(memo(), WM_LBUTTONDOWN, keys | MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageW(memo(), WM_LBUTTONUP, keys, MAKELPARAM(at.x + dragX, at.y));
    }

    std::vector<std::wstring>& opened = ui.opened;
};

TEST_F(LinksTest, EachFollowModeOpensOnItsGestureOnly) {
    enum Gesture { Click, CtrlClick, DoubleClick, Drag };
    struct Case { const wchar_t* mode; Gesture gesture; bool opens; };
    const Case cases[] = {{L"ctrlClick", Click, false}, {L"ctrlClick", CtrlClick, true}, {L"click", Click, true},
                          {L"click", Drag, false},
                          {L"doubleClick", Click, false}, {L"doubleClick", DoubleClick, true}};
    for (const Case& c : cases) {
        window->settings().urlFollow = c.mode;
        window->settings().emailFollow = c.mode;
        for (const AddressKind kind : {AddressKind::Web, AddressKind::Email}) {
            opened.clear();
            const POINT at = pointAt(memo(), kind == AddressKind::Web ? kWeb : kEmail);
            SendMessageW(memo(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
            EXPECT_TRUE(window->pointerOverAddress());
            POINT screen = at;
            ClientToScreen(memo(), &screen);
            SetCursorPos(screen.x, screen.y);
            click(at, c.gesture == CtrlClick ? MK_CONTROL : 0, c.gesture == Drag ? 10 : 0);
            if (c.gesture == DoubleClick) {
                SendMessageW(memo(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
                SendMessageW(memo(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
            }
            const std::wstring target = kind == AddressKind::Web ? L"http://example.com/a%20b" : L"mailto:joe@example.com";
            EXPECT_EQ(opened, c.opens ? std::vector<std::wstring>{target} : std::vector<std::wstring>{})
                << narrow(c.mode) << " gesture " << c.gesture;
        }
    }
}

TEST_F(LinksTest, AnAddressBeyondThe65535thLineOpens) {
    open(std::string(70000, '\n') + "http://far.example/x");
    const DWORD start = static_cast<DWORD>(window->memo().textLength()) - 20;
    window->memo().setSelection({start, start});
    SendMessageW(memo(), EM_SCROLLCARET, 0, 0);
    click(pointAt(memo(), start + 4), MK_CONTROL);
    EXPECT_EQ(opened, std::vector<std::wstring>{L"http://far.example/x"});
}

}  // namespace
}  // namespace vantry::testing
