// The main window's view state: the four switches, keys and presses in the text, the
// caption and the status bar.
#include <windows.h>
#include <commctrl.h>

#include "base/paths.h"
#include "shell/nfo01.h"
#include "shell/resource.h"
#include "tools/find_window.h"
#include "tools/message_dialog.h"
#include "win/error_report.h"

namespace vantry {

void Tnfonote::setSwitchCheck(int menuId, bool checked) {
    CheckMenuItem(GetMenu(handle()), static_cast<UINT>(menuId), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// A switch stores its new value first, then changes the window and its check mark; a
// stored value other than "0" and "1" leaves the switch alone.
void Tnfonote::flipSwitch(int setting, int menuId, const std::function<void(bool)>& apply) {
    std::wstring& copy = *settings_.field(setting);
    if (copy != L"0" && copy != L"1") return;
    const bool on = copy == L"0";
    store_.writeSetting(setting, on ? L"1" : L"0");
    apply(on);
    setSwitchCheck(menuId, on);
    copy = on ? L"1" : L"0";
}

void Tnfonote::Wordwrap1Click() {
    flipSwitch(kWordWrap, IDM_WORD_WRAP, [this](bool wrap) {
        Memo1.setWordWrap(wrap);  // keeps text, selection, first visible line, font, read-only state
        address_.attachToMemo();
        layoutControls();
    });
}

void Tnfonote::Readonly1Click() {
    flipSwitch(kAllowTextChanges, IDM_ALLOW_CHANGES, [this](bool editable) { Memo1.setReadOnly(!editable); });
}

void Tnfonote::Topmost1Click() {
    flipSwitch(kAlwaysOnTop, IDM_ALWAYS_ON_TOP, [this](bool topmost) {
        SetWindowPos(handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // Windows takes the owned windows down with their owner; the find and message
        // windows stay on top all the same.
        for (const Dialog* owned : {static_cast<const Dialog*>(tools_.find), static_cast<const Dialog*>(tools_.message)}) {
            if (owned) SetWindowPos(owned->handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    });
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
    shownEncoding_ = {};
    updateStatusBar();
}

void Tnfonote::Memo1KeyDown(WPARAM key) {
    if (key == VK_ESCAPE) {
        if (tools_.find && tools_.find->isShowing()) {
            ShowWindow(tools_.find->handle(), SW_HIDE);
        } else if (settings_.escExits == L"1") {
            PostMessageW(handle(), WM_CLOSE, 0, 0);
        }
    }
    updateStatusBar();  // before the key acts; the key-up shows where it went
}

void Tnfonote::Memo1KeyUp(WPARAM) { updateStatusBar(); }

// A mouse selection is copied on release when "copyOnSelect" is on; then the release
// may follow an address.
void Tnfonote::Memo1MouseUp(WPARAM keys, int x, int y) {
    if (settings_.copyOnSelect == L"1") {
        const EditSelection selection = Memo1.selection();
        if (selection.start != selection.end) {
            SendMessageW(Memo1.handle(), WM_COPY, 0, 0);
            Memo1.setSelection({selection.end, selection.end});
        }
    }
    address_.released(keys, x, y);
}

void Tnfonote::Memo1MouseDown(int x, int y) {
    address_.pressed(x, y);
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
    const std::wstring_view encoding = encodingShortName(document_.documentEncoding);
    if (encoding != shownEncoding_) {
        shownEncoding_ = encoding;
        SendMessageW(StatusBar1, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(std::wstring(encoding).c_str()));
    }
}

}  // namespace vantry
