#include "tools/message_dialog.h"

#include "tools/tool_resources.h"

namespace vantry {

TmessageDialog::TmessageDialog(HWND owner) {
    create(IDD_MESSAGE, L"Vantry.Message", owner);
    setLayout({296, 90}, {{IDC_MESSAGE_TEXT, {8, 16, 288, 51}}, {IDOK, {110, 57, 185, 80}}});
}

void TmessageDialog::showMessageWindow(HWND returnTo, const std::wstring& text) {
    SetDlgItemTextW(handle(), IDC_MESSAGE_TEXT, text.c_str());
    returnTo_ = returnTo;
    if (!isShowing()) centerOnOwner();
    SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    showModeless();
    SetFocus(item(IDOK));
}

std::wstring TmessageDialog::text() const { return itemText(IDC_MESSAGE_TEXT); }

// OK, Enter and Escape all close it.
void TmessageDialog::onCommand(int id, int, HWND) {
    if (id == IDOK || id == IDCANCEL) okButtonClick();
}

void TmessageDialog::okButtonClick() {
    close(IDOK);
    if (returnTo_ && IsWindow(returnTo_)) {
        SetForegroundWindow(returnTo_);
        SetFocus(returnTo_);
    }
}

}  // namespace vantry
