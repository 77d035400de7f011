#include "tools/address_pointer.h"

#include <commctrl.h>

#include "win/system_ui.h"

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

// Where the text stands in the control: its first line in view, and how far it is
// scrolled to the right (where that line's first character is drawn).
std::pair<int, int> viewOf(HWND memo) {
    const auto first = static_cast<int>(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0));
    const LRESULT start = SendMessageW(memo, EM_LINEINDEX, static_cast<WPARAM>(first), 0);
    const LRESULT at = SendMessageW(memo, EM_POSFROMCHAR, static_cast<WPARAM>(start), 0);
    return {first, static_cast<short>(LOWORD(at))};
}
}  // namespace

// The tooltip is a window of its own, without an owner: under Wine, a window that owns
// popups cannot be made topmost.
void AddressUnderPointer::createTooltip(HWND owner) {
    owner_ = owner;
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    SendMessageW(tooltip_.get(), TTM_SETDELAYTIME, TTDT_INITIAL, kTooltipDelayMs);
    SendMessageW(tooltip_.get(), TTM_SETDELAYTIME, TTDT_RESHOW, kTooltipReshowMs);
    SendMessageW(tooltip_.get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, kTooltipShowMs);
    SendMessageW(tooltip_.get(), TTM_ACTIVATE, FALSE, 0);
    attachToMemo();
}

// The tooltip belongs to the text area as a whole; a re-created text control gets it too.
void AddressUnderPointer::attachToMemo() {
    if (!tooltip_) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner_;
    while (SendMessageW(tooltip_.get(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) {
        SendMessageW(tooltip_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(memo_.handle());
    tool.lpszText = tooltipText_.data();
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void AddressUnderPointer::relay(const MSG& message) const {
    SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

std::optional<std::wstring> AddressUnderPointer::linkAt(int x, int y, bool collect, AddressKind kind) {
    return addressIn(pointedText_.textAt(x, y), kind, collect);
}

void AddressUnderPointer::showAddressPointer(bool overAddress, std::wstring_view text) {
    if (overAddress)
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
    else if (pointerOverAddress_)
        SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
    if (overAddress && !pointerOverAddress_) view_ = viewOf(memo_.handle());
    pointerOverAddress_ = overAddress;
    if (overAddress && text != tooltipText_) {
        tooltipText_ = text;
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = owner_;
        tool.uId = reinterpret_cast<UINT_PTR>(memo_.handle());
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
void AddressUnderPointer::moved(int x, int y) {
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

void AddressUnderPointer::textMayHaveScrolled() {
    if (!pointerOverAddress_ || askingView_) return;
    askingView_ = true;
    const bool scrolled = viewOf(memo_.handle()) != view_;
    askingView_ = false;
    if (scrolled) showAddressPointer(false, {});
}

void AddressUnderPointer::followAddress(AddressKind kind, const std::wstring& address) {
    const std::wstring target = shellTarget(kind, address);
    if (isOpenableAddress(target)) systemUi().shellOpen(target);
}

void AddressUnderPointer::released(WPARAM keys, int x, int y) {
    if (!isClick(press_.x, press_.y, x, y)) return;
    const bool ctrl = (keys & MK_CONTROL) != 0;
    if (releaseFollows(settings_.urlFollow, ctrl)) {
        if (const auto address = linkAt(x, y, true, AddressKind::Web)) return followAddress(AddressKind::Web, *address);
    }
    if (releaseFollows(settings_.emailFollow, ctrl)) {
        if (const auto address = linkAt(x, y, true, AddressKind::Email)) followAddress(AddressKind::Email, *address);
    }
}

void AddressUnderPointer::doubleClicked() {
    const bool web = settings_.urlFollow == kFollowDoubleClick;
    const bool email = settings_.emailFollow == kFollowDoubleClick;
    if (!web && !email) return;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(memo_.handle(), &point);
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
