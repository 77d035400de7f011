// The main window's handling of web and e-mail addresses under the pointer: hand
// pointer and tooltip while moving, opening by the configured gesture, and copying a
// mouse selection on release.
#include <windows.h>
#include <commctrl.h>

#include "shell/nfo01.h"
#include "tools/link_detection.h"
#include "win/shell_open.h"

namespace vantry {
namespace {
// The application's tooltip timing: shown 90 ms after the pointer rests, 20 ms from
// one tooltip to the next, hidden after 8 s.
constexpr int kTooltipDelayMs = 90;
constexpr int kTooltipReshowMs = 20;
constexpr int kTooltipShowMs = 8000;

// The hand shows only where the gesture would hand something to the shell: "https:/x"
// reads as an address but is never opened.
bool opensFrom(const std::optional<PointedText>& pointed, AddressKind kind) {
    const std::optional<std::wstring> address = addressIn(pointed, kind, false);
    return address && isOpenableAddress(shellTarget(kind, *address));
}
}  // namespace

// The tooltip is a window of its own, without an owner: under Wine, a window that owns
// popups cannot be made topmost.
void Tnfonote::createTooltip() {
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    SendMessageW(tooltip_.get(), TTM_SETDELAYTIME, TTDT_INITIAL, kTooltipDelayMs);
    SendMessageW(tooltip_.get(), TTM_SETDELAYTIME, TTDT_RESHOW, kTooltipReshowMs);
    SendMessageW(tooltip_.get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, kTooltipShowMs);
    SendMessageW(tooltip_.get(), TTM_ACTIVATE, FALSE, 0);
    attachTooltipToMemo();
}

// The tooltip belongs to the text area as a whole; a re-created text control gets it too.
void Tnfonote::attachTooltipToMemo() {
    if (!tooltip_) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = handle();
    while (SendMessageW(tooltip_.get(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) {
        SendMessageW(tooltip_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Memo1.handle());
    tool.lpszText = tooltipText_.data();
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::optional<std::wstring> Tnfonote::linkAt(int x, int y, bool collect, AddressKind kind) {
    return addressIn(pointedText_.textAt(x, y), kind, collect);
}

void Tnfonote::showAddressPointer(bool overAddress, std::wstring_view text) {
    if (overAddress) SetCursor(LoadCursorW(nullptr, IDC_HAND));
    else if (pointerOverAddress_) SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
    pointerOverAddress_ = overAddress;
    if (overAddress && text != tooltipText_) {
        tooltipText_ = text;
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Memo1.handle());
        tool.lpszText = tooltipText_.data();
        SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (overAddress != tooltipActive_) {
        tooltipActive_ = overAddress;
        SendMessageW(tooltip_.get(), TTM_ACTIVATE, overAddress ? TRUE : FALSE, 0);
    }
}

// Runs on every move of the pointer over the text: one line is read and only the word
// under the pointer is scanned, and only as far as its prefix.
void Tnfonote::Memo1MouseMove(int x, int y) {
    const bool webOn = settings_.urlFollow != kFollowNone;
    const bool emailOn = settings_.emailFollow != kFollowNone;
    const std::optional<PointedText> pointed = webOn || emailOn ? pointedText_.textAt(x, y) : std::nullopt;
    if (webOn && opensFrom(pointed, AddressKind::Web)) {
        showAddressPointer(true, followTooltip(AddressKind::Web, settings_.urlFollow));
    } else if (emailOn && opensFrom(pointed, AddressKind::Email)) {
        showAddressPointer(true, followTooltip(AddressKind::Email, settings_.emailFollow));
    } else {
        showAddressPointer(false, {});
    }
}

void Tnfonote::followAddress(AddressKind kind, const std::wstring& address) {
    const std::wstring target = shellTarget(kind, address);
    if (isOpenableAddress(target)) shellOpen(target);
}

void Tnfonote::Memo1MouseUp(WPARAM keys, int x, int y) {
    if (settings_.copyOnSelect == L"1") {
        const EditSelection selection = Memo1.selection();
        if (selection.start != selection.end) {
            SendMessageW(Memo1.handle(), WM_COPY, 0, 0);
            Memo1.setSelection({selection.end, selection.end});
        }
    }
    if (!isClick(press_.x, press_.y, x, y)) return;
    const bool ctrl = (keys & MK_CONTROL) != 0;
    if (releaseFollows(settings_.urlFollow, ctrl)) {
        if (const auto address = linkAt(x, y, true, AddressKind::Web)) return followAddress(AddressKind::Web, *address);
    }
    if (releaseFollows(settings_.emailFollow, ctrl)) {
        if (const auto address = linkAt(x, y, true, AddressKind::Email)) followAddress(AddressKind::Email, *address);
    }
}

void Tnfonote::Memo1DblClick() {
    const bool web = settings_.urlFollow == kFollowDoubleClick;
    const bool email = settings_.emailFollow == kFollowDoubleClick;
    if (!web && !email) return;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(Memo1.handle(), &point);
    if (web) {
        if (const auto address = linkAt(point.x, point.y, true, AddressKind::Web)) {
            return followAddress(AddressKind::Web, *address);
        }
    }
    if (email) {
        if (const auto address = linkAt(point.x, point.y, true, AddressKind::Email)) {
            followAddress(AddressKind::Email, *address);
        }
    }
}

}  // namespace vantry
