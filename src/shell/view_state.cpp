// The main window's view state: the four switches, keys and presses in the text, the
// caption and the status bar.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "base/paths.h"
#include "documents/document_file.h"
#include "shell/nfo01.h"
#include "shell/resource.h"
#include "tools/find_window.h"
#include "tools/message_dialog.h"
#include "win/error_report.h"
#include "win/handles.h"

namespace vantry {

namespace {
void setSwitchCheck(HWND window, int menuId, bool checked) {
    CheckMenuItem(GetMenu(window), static_cast<UINT>(menuId), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
}  // namespace

// Its command, its setting, how the window shows it and, for one that follows the window
// rather than its stored text, what the window shows now.
struct Tnfonote::ViewSwitch {
    int menuId;
    Setting setting;
    void (*apply)(Tnfonote& window, bool on);
    bool (*shown)(const Tnfonote& window);  // nullptr: only a stored "0" or "1" flips
};

std::span<const Tnfonote::ViewSwitch> Tnfonote::viewSwitches() {
    static constexpr ViewSwitch kSwitches[] = {
        {IDM_WORD_WRAP, kWordWrap,
         [](Tnfonote& window, bool wrap) {
             window.Memo1.setWordWrap(wrap);  // keeps text, selection, first visible line, font, read-only state
             window.address_.attachToMemo();
             window.layoutControls();
         },
         nullptr},
        {IDM_ALLOW_CHANGES, kAllowTextChanges,
         [](Tnfonote& window, bool editable) { window.Memo1.setReadOnly(!editable); }, nullptr},
        {IDM_ALWAYS_ON_TOP, kAlwaysOnTop,
         [](Tnfonote& window, bool topmost) {
             constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
             SetWindowPos(window.handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly);
             // Windows takes the owned windows down with their owner; the find and
             // message windows stay on top all the same.
             for (const Dialog* owned : {static_cast<const Dialog*>(window.tools_.find.ifMade()),
                                         static_cast<const Dialog*>(window.tools_.message.ifMade())}) {
                 if (owned) SetWindowPos(owned->handle(), HWND_TOPMOST, 0, 0, 0, 0, kZOrderOnly);
             }
         },
         nullptr},
        {IDM_STATUS_BAR, kShowStatusBar,
         [](Tnfonote& window, bool visible) {
             window.StatusBar1.setVisible(visible);
             window.layoutControls();
             window.updateStatusBar();  // a status bar shown again is filled at once
         },
         [](const Tnfonote& window) { return window.StatusBar1.visible(); }},
    };
    return kSwitches;
}

// A switch stores its new value first, then changes the window and its check mark.
bool Tnfonote::flipSwitch(int menuId) {
    const std::span<const ViewSwitch> switches = viewSwitches();
    const auto found = std::ranges::find(switches, menuId, &ViewSwitch::menuId);
    if (found == switches.end()) return false;
    std::wstring& copy = *settings_.field(found->setting);
    bool on = false;
    if (found->shown) {
        on = !found->shown(*this);
    } else if (copy == switchText(false) || copy == switchText(true)) {
        on = copy == switchText(false);
    } else {
        return true;  // a stored value other than "0" and "1" leaves the switch alone
    }
    store_.writeSetting(found->setting, switchText(on));
    found->apply(*this, on);
    setSwitchCheck(handle(), menuId, on);
    copy = switchText(on);
    return true;
}

// Start-up shows each switch as stored.
void Tnfonote::applyStoredSwitches() {
    for (const ViewSwitch& viewSwitch : viewSwitches()) {
        const bool on = settings_.isOn(viewSwitch.setting);
        viewSwitch.apply(*this, on);
        setSwitchCheck(handle(), viewSwitch.menuId, on);
    }
}

// The menu's names for the switches.
void Tnfonote::Wordwrap1Click() { flipSwitch(IDM_WORD_WRAP); }
void Tnfonote::Readonly1Click() { flipSwitch(IDM_ALLOW_CHANGES); }
void Tnfonote::Topmost1Click() { flipSwitch(IDM_ALWAYS_ON_TOP); }
void Tnfonote::Statusbar2Click() { flipSwitch(IDM_STATUS_BAR); }

namespace {

// How many average characters of `font` the text is scrolled to the right: the units
// EM_LINESCROLL moves it by.
int scrolledColumns(HWND memo, HFONT font, DWORD lineStart) {
    RECT text{};
    SendMessageW(memo, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    const LRESULT at = SendMessageW(memo, EM_POSFROMCHAR, lineStart, 0);
    if (at == -1) return 0;
    const WindowDeviceContext dc(memo);
    const ScopedSelection selected(dc.get(), font);
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc.get(), &metrics) || metrics.tmAveCharWidth <= 0) return 0;
    return std::max(0, static_cast<int>(text.left - static_cast<short>(LOWORD(at)))) / metrics.tmAveCharWidth;
}

}  // namespace

// The shown font grows or shrinks; the text at the top left of the view and the caret
// stay where they were, and a caret that was in view stays in view.
void Tnfonote::zoomTo(int percent) {
    const HWND memo = Memo1.handle();
    const DWORD lineStart = Memo1.lineIndex(static_cast<DWORD>(Memo1.firstVisibleLine()));
    const bool wrapped = Memo1.wordWrap();
    const int columns = wrapped ? 0 : scrolledColumns(memo, look_.font(), lineStart);
    const bool caretShown = Memo1.caretLineInView();
    look_.setZoom(percent);
    Memo1.scrollToLine(static_cast<int>(Memo1.lineFromChar(lineStart)));
    if (!wrapped) {
        SendMessageW(memo, EM_LINESCROLL, static_cast<WPARAM>(columns - scrolledColumns(memo, look_.font(), lineStart)),
                     0);
    }
    if (caretShown && !Memo1.caretLineInView()) Memo1.scrollCaretIntoView();
    address_.textMayHaveScrolled();
    updateStatusBar();
}

void Tnfonote::zoomStepBy(int direction) {
    zoomTo(zoomStep(look_.shownZoom(), direction, isCellFace(look_.fontProfile().face)));
}

// One step a notch; a high-resolution wheel's smaller turns add up to a notch.
void Tnfonote::Memo1ControlWheel(int delta) {
    if ((delta > 0) != (wheelDelta_ > 0)) wheelDelta_ = 0;  // turned the other way
    wheelDelta_ += delta;
    while (wheelDelta_ >= WHEEL_DELTA || wheelDelta_ <= -WHEEL_DELTA) {
        zoomStepBy(wheelDelta_ > 0 ? 1 : -1);
        wheelDelta_ -= wheelDelta_ > 0 ? WHEEL_DELTA : -WHEEL_DELTA;
    }
}

void Tnfonote::Memo1KeyDown(WPARAM key) {
    if (key == VK_ESCAPE) {
        if (const TMyFind* find = tools_.find.ifMade(); find && find->isShowing()) {
            ShowWindow(find->handle(), SW_HIDE);
        } else if (settings_.isOn(kEscExits)) {
            PostMessageW(handle(), WM_CLOSE, 0, 0);
        }
    }
    updateStatusBar();  // before the key acts; the key-up shows where it went
}

void Tnfonote::Memo1KeyUp(WPARAM) { updateStatusBar(); }

// A mouse selection is copied on release when "copyOnSelect" is on; then the release
// may follow an address.
void Tnfonote::Memo1MouseUp(WPARAM keys, int x, int y) {
    if (settings_.isOn(kCopyOnSelect)) {
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

// Line and column of the selection start, the file's path and what it was read with.
// EM_GETSEL writes the full positions even where its return value cannot hold them.
void Tnfonote::updateStatusBar() {
    if (!StatusBar1.visible()) return;
    const EditSelection selection = Memo1.selection();
    const DWORD line = Memo1.lineFromChar(selection.start);
    const DWORD lineStart = Memo1.lineIndex(line);
    StatusBar1.show(L"Ln: " + std::to_wstring(line + 1) + L", Col: " + std::to_wstring(selection.start - lineStart + 1),
                    document_.fileName == kNoFileName ? L"" : document_.fileName,
                    std::to_wstring(look_.shownZoom()) + L"%",
                    encodingStatusText(document_.documentEncoding, document_.leadingBytes, document_.readExactly,
                                       ansiCodePage(), userAnsiCodePage()));
}

}  // namespace vantry
