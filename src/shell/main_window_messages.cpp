// The main window's messages: the menu commands as one flat dispatch, and the text
// control's keys, presses and pointer.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "shell/nfo01.h"
#include "shell/edit_menu.h"
#include "shell/resource.h"
#include "tools/portable/text_search.h"
#include "win/error_report.h"

namespace vantry {
namespace {

// The text control's messages after which its text may stand elsewhere in the view (the
// pointer moves it only while it drags a selection).
bool canScroll(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
        case WM_SIZE:
        case WM_SETTEXT:
        case WM_SETFONT:
        case WM_LBUTTONDOWN:
        case EM_LINESCROLL:
        case EM_SCROLL:
        case EM_SCROLLCARET:
        case EM_SETSEL:
        case EM_REPLACESEL: return true;
        case WM_MOUSEMOVE: return (wParam & MK_LBUTTON) != 0;
        default: return false;
    }
}
// The main window's commands that change the text (the find window's Replace and
// Replace All refuse on their own).
constexpr int kTextChangingCommands[] = {IDM_UNDO, IDM_CUT, IDM_PASTE, IDM_DELETE_LINE};
}  // namespace

void Tnfonote::onCommand(int id) {
    // While changes are not allowed, a command that would change the text says why,
    // however it was given.
    if (Memo1.readOnly() && std::ranges::find(kTextChangingCommands, id) != std::end(kTextChangingCommands)) {
        return showMessageWindow(handle(), kChangesNotAllowedMessage);
    }
    if (runEditCommand(Memo1, id)) return updateStatusBar();
    if (const int place = recentFiles_.placeOf(static_cast<UINT>(id)); place >= 0) return RecentItemClick(place);
    if (id >= IDM_REOPEN_FIRST && id < IDM_REOPEN_FIRST + static_cast<int>(kReopenEncodings.size())) {
        return ReopenClick(id - IDM_REOPEN_FIRST);
    }
    if (flipSwitch(id)) return;
    switch (id) {
        case IDM_NEW: New1Click(); break;
        case IDM_NEW_WINDOW: NewWindow1Click(); break;
        case IDM_OPEN: Open1Click(); break;
        case IDM_SAVE: Save1Click(); break;
        case IDM_SAVE_AS: SaveAs1Click(); break;
        case IDM_DELETE_LINE: Deleteline1Click(); break;
        case IDM_FIND: Findtext1Click(); break;
        case IDM_FIND_NEXT: Findnext1Click(); break;
        case IDM_REPLACE: Replace1Click(); break;
        case IDM_GOTO: Goto1Click(); break;
        case IDM_README: Readme1Click(); break;
        case IDM_ABOUT: About1Click(); break;
        case IDM_OPTIONS: Options1Click(); break;
        case IDM_PRINT: Print1Click(); break;
        case IDM_EXPORT_PNG: ExportPng1Click(); break;
        case IDM_FILE_INFORMATION: Fileproperties1Click(); break;
        case IDM_EXIT: Quit1Click(); break;
        case IDM_ZOOM_IN: zoomStepBy(1); break;
        case IDM_ZOOM_OUT: zoomStepBy(-1); break;
        case IDM_ZOOM_RESET: zoomTo(kZoomNormal); break;
        default: break;  // commands that are not available yet are greyed in the menu
    }
}

// The text control's messages that the main window handles: keys before the control
// acts on them, presses and releases after it has placed the caret, the pointer shape.
LRESULT Tnfonote::memoHook(void* self, UINT message, WPARAM wParam, LPARAM lParam) {
    return reportingFailures<LRESULT>(
        0, [&] { return static_cast<Tnfonote*>(self)->memoMessage(message, wParam, lParam); });
}

LRESULT Tnfonote::memoMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND memo = Memo1.handle();
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            address_.relay(MSG{memo, message, wParam, lParam, 0, {x, y}});
            break;
        }
        default: break;
    }
    switch (message) {
        case WM_KEYDOWN: Memo1KeyDown(wParam); break;
        case WM_MOUSEWHEEL:
            if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) {
                Memo1ControlWheel(GET_WHEEL_DELTA_WPARAM(wParam));
                return 0;
            }
            wheelDelta_ = 0;  // a turn short of a notch counts towards a zoom only with Ctrl
            break;
        case WM_SIZE:  // wrapped lines break anew
            Memo1.noteChange();
            break;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && address_.pointerOverAddress()) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        default: break;
    }
    const LRESULT result = Memo1.passOn(message, wParam, lParam);
    if (canScroll(message, wParam)) address_.textMayHaveScrolled();
    switch (message) {
        case WM_KEYUP: Memo1KeyUp(wParam); break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: Memo1MouseDown(x, y); break;
        case WM_LBUTTONDBLCLK:  // the second press of a double click
            Memo1MouseDown(x, y);
            Memo1DblClick();
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: Memo1MouseUp(wParam, x, y); break;
        case WM_MOUSEMOVE: Memo1MouseMove(x, y); break;
        case WM_CONTEXTMENU: updateStatusBar(); break;  // the control's own menu may have moved the caret
        default: break;
    }
    return result;
}

LRESULT Tnfonote::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (lParam == 0) onCommand(LOWORD(wParam));
            if (reinterpret_cast<HWND>(lParam) == Memo1.handle() && HIWORD(wParam) == EN_CHANGE) {
                Memo1.noteChange();
                updateStatusBar();  // the status line sends a panel only when its text changed
            }
            return 0;
        case WM_INITMENUPOPUP: {
            const auto menu = reinterpret_cast<HMENU>(wParam);
            if (menu == GetSubMenu(GetMenu(handle()), 1)) enableEditCommands(menu, Memo1);
            if (GetMenuItemID(menu, 0) == IDM_REOPEN_FIRST) prepareReopenMenu(menu);
            return 0;
        }
        case WM_NOTIFY:
            if (StatusBar1.encodingPanelClicked(*reinterpret_cast<const NMHDR*>(lParam))) {
                showEncodingMenu();
                return TRUE;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == Memo1.handle()) return look_.paint(reinterpret_cast<HDC>(wParam));
            break;
        case WM_SIZE: layoutControls(); return 0;
        case WM_DPICHANGED: changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        case WM_SETFOCUS: SetFocus(Memo1.handle()); return 0;
        case WM_DROPFILES: dropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
        case WM_CLOSE:
            if (FormCloseQuery()) {
                FormClose();
                if (setup_.onClosed) setup_.onClosed();
            }
            return 0;
        case WM_QUERYENDSESSION:  // the session ends: the same question as a close
            return FormCloseQuery() ? TRUE : FALSE;
        case WM_ENDSESSION:
            if (wParam) FormClose();
            return 0;
        default: break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace vantry
