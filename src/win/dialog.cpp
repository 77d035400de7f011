#include "win/dialog.h"

#include <algorithm>

#include "win/dpi.h"
#include "win/error.h"
#include "win/error_report.h"
#include "win/monitor.h"

namespace vantry {
namespace {

std::vector<Dialog*>& modelessDialogs() {
    static std::vector<Dialog*> dialogs;
    return dialogs;
}

void registerDialogClass(const wchar_t* name) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing)) return;
    WNDCLASSEXW dialogClass{};
    dialogClass.cbSize = sizeof dialogClass;
    GetClassInfoExW(nullptr, MAKEINTRESOURCEW(0x8002), &dialogClass);  // the system's dialog class
    dialogClass.lpfnWndProc = DefDlgProcW;
    dialogClass.cbWndExtra = std::max(dialogClass.cbWndExtra, static_cast<int>(DLGWINDOWEXTRA));
    dialogClass.hInstance = instance;
    dialogClass.lpszClassName = name;
    if (!RegisterClassExW(&dialogClass)) throw Error(systemErrorText(GetLastError()));
}

}  // namespace

Dialog::~Dialog() {
    auto& dialogs = modelessDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), this), dialogs.end());
    if (handle_) {
        SetWindowLongPtrW(handle_, DWLP_USER, 0);
        DestroyWindow(handle_);
    }
}

void Dialog::create(int templateId, const wchar_t* className, HWND owner) {
    registerDialogClass(className);
    owner_ = owner;
    handle_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, procedure,
                                 reinterpret_cast<LPARAM>(this));
    if (!handle_) throw Error(systemErrorText(GetLastError()));
    dpi_ = windowDpi(handle_);
}

std::wstring Dialog::itemText(int id) const {
    const HWND control = item(id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(0, GetWindowTextW(control, text.data(), static_cast<int>(text.size())))));
    return text;
}

int Dialog::scaled(int pixels96) const { return scaledForDpi(pixels96, dpi_); }

void Dialog::setLayout(SIZE client96, std::vector<ControlPlace> places) {
    client96_ = client96;
    places_ = std::move(places);
    RECT frame{0, 0, scaled(client96.cx), scaled(client96.cy)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE)));
    SetWindowPos(handle_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

// Each control keeps its distances to the edges it is anchored to, as designed. The
// controls are drawn once, after all have moved: a check box draws on the face behind
// it, and moved one by one, each would keep what the box that stood there before drew.
void Dialog::layout() {
    if (places_.empty()) return;
    RECT client{};
    GetClientRect(handle_, &client);
    const int grownX = client.right - scaled(client96_.cx);
    const int grownY = client.bottom - scaled(client96_.cy);
    for (const ControlPlace& place : places_) {
        int left = scaled(place.at96.left), top = scaled(place.at96.top);
        int right = scaled(place.at96.right), bottom = scaled(place.at96.bottom);
        if (place.right) {
            right += grownX;
            if (!place.left) left += grownX;
        }
        if (place.bottom) {
            bottom += grownY;
            if (!place.top) top += grownY;
        }
        if (const HWND control = item(place.id)) {
            MoveWindow(control, left, top, right - left, bottom - top, FALSE);
        }
    }
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Dialog::centerOnOwner() {
    RECT ownerBounds{}, bounds{};
    if (!owner_ || !GetWindowRect(owner_, &ownerBounds)) return keepOnScreen();
    GetWindowRect(handle_, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    SetWindowPos(handle_, nullptr, ownerBounds.left + (ownerBounds.right - ownerBounds.left - width) / 2,
                 ownerBounds.top + (ownerBounds.bottom - ownerBounds.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    keepInsideWorkArea(handle_, owner_, sizeable());
}

void Dialog::keepOnScreen() { keepInsideWorkArea(handle_, handle_, sizeable()); }

bool Dialog::sizeable() const { return (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_THICKFRAME) != 0; }

void Dialog::setKeys(int acceleratorsId) {
    keys_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(acceleratorsId));
}

bool Dialog::translateKey(MSG& message) const { return keys_ && TranslateAcceleratorW(handle_, keys_, &message) != 0; }

INT_PTR Dialog::showModal() {
    onShowing();
    result_ = IDCANCEL;
    modalRunning_ = true;
    const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
    if (ownerWasEnabled) EnableWindow(owner_, FALSE);
    ShowWindow(handle_, SW_SHOW);
    SetForegroundWindow(handle_);
    MSG message{};
    bool quit = false;
    while (modalRunning_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        if (IsDialogMessageW(handle_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    modalRunning_ = false;
    // The owner comes back before the dialog goes, so that it is the one activated.
    if (ownerWasEnabled) EnableWindow(owner_, TRUE);
    ShowWindow(handle_, SW_HIDE);
    if (quit) PostQuitMessage(static_cast<int>(message.wParam));
    return result_;
}

void Dialog::showModeless() {
    auto& dialogs = modelessDialogs();
    if (std::find(dialogs.begin(), dialogs.end(), this) == dialogs.end()) dialogs.push_back(this);
    onShowing();
    ShowWindow(handle_, SW_SHOW);
    SetForegroundWindow(handle_);
}

void Dialog::close(INT_PTR result) {
    result_ = result;
    if (modalRunning_) {
        modalRunning_ = false;
        PostMessageW(handle_, WM_NULL, 0, 0);  // wakes the modal loop
    } else {
        ShowWindow(handle_, SW_HIDE);
    }
}

bool Dialog::onMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

void Dialog::onCommand(int id, int, HWND) {
    if (id == IDCANCEL) close(IDCANCEL);
}

INT_PTR CALLBACK Dialog::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        self->handle_ = dialog;
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    return reportingFailures<INT_PTR>(TRUE, [&] { return self->dispatch(message, wParam, lParam); });
}

INT_PTR Dialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (onMessage(message, wParam, lParam, result)) {
        // These few answer through the return value; the rest through DWLP_MSGRESULT.
        const bool direct = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
                            message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
                            message == WM_QUERYDRAGICON || message == WM_INITDIALOG;
        if (direct) return result;
        SetWindowLongPtrW(handle_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    switch (message) {
        case WM_INITDIALOG: return FALSE;  // the focus is set at each showing
        case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return TRUE;
        case WM_CLOSE: onCommand(IDCANCEL, 0, nullptr); return TRUE;
        case WM_SIZE: layout(); return FALSE;
        case WM_DPICHANGED: {
            // Moved to a monitor of another DPI: the suggested frame, the layout anew.
            dpi_ = HIWORD(wParam);
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(handle_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            layout();
            return TRUE;
        }
        default: return FALSE;
    }
}

bool routeDialogMessage(MSG& message) {
    for (Dialog* dialog : modelessDialogs()) {
        const HWND handle = dialog->handle();
        if (!dialog->isShowing() || (message.hwnd != handle && !IsChild(handle, message.hwnd))) continue;
        return dialog->translateKey(message) || IsDialogMessageW(handle, &message) != FALSE;
    }
    return false;
}

}  // namespace vantry
