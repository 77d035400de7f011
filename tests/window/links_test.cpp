// Addresses under the pointer, with real mouse messages on the real text control.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "shell/resource.h"
#include "test_support.h"
#include "tools/link_detection.h"
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
    struct Case {
        const wchar_t* mode;
        Gesture gesture;
        bool opens;
    };
    const Case cases[] = {{L"ctrlClick", Click, false},   {L"ctrlClick", CtrlClick, true},
                          {L"click", Click, true},        {L"click", Drag, false},
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
            const std::wstring target =
                kind == AddressKind::Web ? L"http://example.com/a%20b" : L"mailto:joe@example.com";
            EXPECT_EQ(opened, c.opens ? std::vector<std::wstring>{target} : std::vector<std::wstring>{})
                << narrow(c.mode) << " gesture " << c.gesture;
        }
    }
}

// The hand shows over the characters of addresses only, wherever the control puts them:
// after tabs, scrolled to the right, split by word wrap, far down.
TEST_F(LinksTest, TheHandShowsOverAddressesOnly) {
    const std::string document = "\tx\thttp://tab.example/a b\r\nmail\tjoe@example.com\r\n" + std::string(400, 'x') +
                                 " http://right.example/\r\nhttp://long.example/" + std::string(300, 'p') + " end\r\n";
    struct Case {
        const char* text;
        int offset;
        int dx;
        bool over;
    };
    const Case cases[] = {{"http://tab", 0, 0, true},  {"x\thttp", 0, 0, false},
                          {"http://tab", 0, -4, true},  // the tab's right half is nearer the address
                          {"a b", 0, 0, true},         {"a b", 2, 0, false},
                          {"joe@", 0, 0, true},        {"http://right", 5, 0, true},
                          {"p end", 0, 0, true},       {"p end", 2, 0, false}};
    for (const bool wrap : {false, true}) {
        if (window->memo().wordWrap() != wrap) command(IDM_WORD_WRAP);
        open(document);
        for (const Case& c : cases) {
            const auto index = static_cast<DWORD>(document.find(c.text) + c.offset);
            window->memo().setSelection({index, index});
            SendMessageW(memo(), EM_SCROLLCARET, 0, 0);
            const POINT at = pointAt(memo(), index);
            SendMessageW(memo(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x + c.dx, at.y));
            EXPECT_EQ(window->pointerOverAddress(), c.over) << c.text << " + " << c.offset << " wrap " << wrap;
        }
        open(std::string(70000, '\n') + "http://far.example/x");
        const DWORD start = static_cast<DWORD>(window->memo().textLength()) - 20;
        window->memo().setSelection({start, start});
        SendMessageW(memo(), EM_SCROLLCARET, 0, 0);
        opened.clear();
        click(pointAt(memo(), start + 4), MK_CONTROL);
        EXPECT_EQ(opened, std::vector<std::wstring>{L"http://far.example/x"}) << "beyond line 65,535, wrap " << wrap;
    }
}

// Reading the text in place locks the control's buffer; the control must get no message
// meanwhile, since one may move the buffer (so says EM_GETHANDLE's contract).
struct LockWatch {
    EditControl* memo = nullptr;
    std::vector<UINT> whileLocked;
};

LRESULT watchLock(void* data, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& watch = *static_cast<LockWatch*>(data);
    const auto buffer = reinterpret_cast<HLOCAL>(watch.memo->passOn(EM_GETHANDLE, 0, 0));
    if (buffer && (LocalFlags(buffer) & LMEM_LOCKCOUNT) != 0) watch.whileLocked.push_back(message);
    return watch.memo->passOn(message, wParam, lParam);
}

TEST_F(LinksTest, TheTextIsReadWithoutMessagesToTheControlWhileItIsLocked) {
    std::string text;
    for (int line = 0; line < 30; ++line)
        text += "see http://example.com/" + std::to_string(line) + " and more words\r\n";
    for (const bool wrap : {false, true}) {
        EditControl memo;
        memo.create(window->handle(), 999, wrap);
        MoveWindow(memo.handle(), 0, 0, 200, 300, FALSE);
        memo.setText(std::wstring(text.begin(), text.end()));
        LockWatch watch{&memo, {}};
        memo.setMessageHook(watchLock, &watch);
        PointedTextReader reader(memo);
        int found = 0;
        for (const char* address : {"com/0 ", "com/2 ", "com/5 ", "com/9 "}) {
            const POINT at = pointAt(memo.handle(), static_cast<DWORD>(text.find(address)));
            const std::optional<PointedText> pointed = reader.textAt(at.x, at.y);
            found += pointed && pointed->column < pointed->text.size();
        }
        EXPECT_EQ(found, 4) << "wrap " << wrap;
        EXPECT_TRUE(watch.whileLocked.empty())
            << "wrap " << wrap << ": message " << std::hex << watch.whileLocked.at(0);
        memo.setMessageHook(nullptr, nullptr);
    }
}

// The pointer rests where the address was; once the text scrolls away under it, the
// address's tooltip and hand go, as when the pointer leaves it, and not before.
TEST_F(LinksTest, TheAddressTooltipGoesWhenTheTextScrolls) {
    std::string document = kDocument;
    for (int line = 0; line < 300; ++line) document += "filler line\r\n";
    document += std::string(400, 'x');  // something to scroll to the right
    open(document);
    window->settings().urlFollow = L"click";
    struct Case {
        const char* what;
        std::function<void()> scroll;
    };
    const Case cases[] = {
        {"Ctrl+End", [&] { withKeysDown({VK_CONTROL}, [&] { SendMessageW(memo(), WM_KEYDOWN, VK_END, 1); }); }},
        {"the scroll bar", [&] { SendMessageW(memo(), WM_VSCROLL, SB_PAGEDOWN, 0); }},
        {"the wheel", [&] { SendMessageW(memo(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0); }},
        {"scrolled right", [&] { SendMessageW(memo(), WM_HSCROLL, SB_PAGERIGHT, 0); }},
    };
    for (const Case& c : cases) {
        window->memo().setSelection({0, 0});
        SendMessageW(memo(), EM_SCROLLCARET, 0, 0);
        const POINT at = pointAt(memo(), kWeb);
        SendMessageW(memo(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        ASSERT_TRUE(window->pointerOverAddress()) << c.what;
        for (const UINT still : {WM_NULL, WM_TIMER, WM_NCHITTEST, EM_GETSEL}) SendMessageW(memo(), still, 0, 0);
        ASSERT_TRUE(window->pointerOverAddress()) << "nothing scrolled yet: " << c.what;
        c.scroll();
        EXPECT_FALSE(window->pointerOverAddress()) << c.what;
    }
}

}  // namespace
}  // namespace vantry::testing
