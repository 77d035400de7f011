// The main window's view state: the four switches, keys and presses in the text, the
// caption and the status bar.
#include <windows.h>
#include <commctrl.h>

#include "documents/paths.h"
#include "shell/nfo01.h"
#include "shell/resource.h"
#include "shell/windows.h"
#include "win/error_report.h"

namespace vantry {

void Tnfonote::setSwitchCheck(int menuId, bool checked) {
    CheckMenuItem(GetMenu(handle()), static_cast<UINT>(menuId), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Each switch stores its new value first, then changes the window and its check mark;
// a stored value other than "0" and "1" leaves the switch alone.
void Tnfonote::Wordwrap1Click() {
    if (settings_.wordWrap != L"0" && settings_.wordWrap != L"1") return;
    const bool wrap = settings_.wordWrap == L"0";
    store_.writeSetting(kWordWrap, wrap ? L"1" : L"0");
    Memo1.setWordWrap(wrap);  // keeps text, selection, first visible line, font, read-only state
    attachTooltipToMemo();
    layoutControls();
    setSwitchCheck(IDM_WORD_WRAP, wrap);
    settings_.wordWrap = wrap ? L"1" : L"0";
}

void Tnfonote::Readonly1Click() {
    if (settings_.allowTextChanges != L"0" && settings_.allowTextChanges != L"1") return;
    const bool editable = settings_.allowTextChanges == L"0";
    store_.writeSetting(kAllowTextChanges, editable ? L"1" : L"0");
    Memo1.setReadOnly(!editable);
    setSwitchCheck(IDM_ALLOW_CHANGES, editable);
    settings_.allowTextChanges = editable ? L"1" : L"0";
}

void Tnfonote::Topmost1Click() {
    if (settings_.alwaysOnTop != L"0" && settings_.alwaysOnTop != L"1") return;
    const bool topmost = settings_.alwaysOnTop == L"0";
    store_.writeSetting(kAlwaysOnTop, topmost ? L"1" : L"0");
    SetWindowPos(handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    setSwitchCheck(IDM_ALWAYS_ON_TOP, topmost);
    settings_.alwaysOnTop = topmost ? L"1" : L"0";
}

void Tnfonote::Statusbar2Click() {
    const bool visible = !(GetWindowLongPtrW(StatusBar1, GWL_STYLE) & WS_VISIBLE);
    ShowWindow(StatusBar1, visible ? SW_SHOWNA : SW_HIDE);
    layoutControls();
    store_.writeSetting(kShowStatusBar, visible ? L"1" : L"0");
    settings_.showStatusBar = visible ? L"1" : L"0";
    setSwitchCheck(IDM_STATUS_BAR, visible);
    shownPosition_.clear();  // a status bar shown again is filled at once
    shownPath_.clear();
    updateStatusBar();
}

void Tnfonote::Memo1KeyDown(WPARAM key) {
    if (key == VK_ESCAPE) {
        if (MyFind && MyFind->isShowing()) {
            ShowWindow(MyFind->handle(), SW_HIDE);
        } else if (settings_.escExits == L"1") {
            PostMessageW(handle(), WM_CLOSE, 0, 0);
        }
    }
    updateStatusBar();  // before the key acts; the key-up shows where it went
}

void Tnfonote::Memo1KeyUp(WPARAM) { updateStatusBar(); }

void Tnfonote::Memo1MouseDown(int x, int y) {
    press_ = {x, y};
    updateStatusBar();
}

void Tnfonote::updateCaption() {
    const std::wstring title =
        document_.fileName == kNoFileName ? L"Vantry" : fileNameOf(document_.fileName) + L" - Vantry";
    SetWindowTextW(handle(), title.c_str());
    setApplicationTitle(title);
    updateStatusBar();
}

// Line and column of the selection start, and the file's path. EM_GETSEL writes the
// full positions even where its return value cannot hold them.
void Tnfonote::updateStatusBar() {
    if (!(GetWindowLongPtrW(StatusBar1, GWL_STYLE) & WS_VISIBLE)) return;
    const EditSelection selection = Memo1.selection();
    const DWORD line = Memo1.lineFromChar(selection.start);
    const DWORD lineStart = Memo1.lineIndex(line);
    std::wstring position = L"Ln: " + std::to_wstring(line + 1) + L", Col: " +
                            std::to_wstring(selection.start - lineStart + 1);
    if (position != shownPosition_) {
        shownPosition_ = std::move(position);
        SendMessageW(StatusBar1, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(shownPosition_.c_str()));
    }
    std::wstring path = document_.fileName == kNoFileName ? L"" : document_.fileName;
    if (path != shownPath_) {
        shownPath_ = std::move(path);
        SendMessageW(StatusBar1, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(shownPath_.c_str()));
    }
}

}  // namespace vantry
