#include "tools/goto_dialog.h"

#include "tools/portable/line_numbers.h"
#include "tools/tool_resources.h"

namespace vantry {
namespace {
constexpr int kTooltipDelayMs = 600;  // while the dialog is open
}  // namespace

TGoto::TGoto(HWND owner, std::function<void(const std::wstring&)> warn) : warn_(std::move(warn)) {
    create(IDD_GOTO, L"Vantry.Goto", owner);
    setLayout({170, 84}, {{IDC_GOTO_LABEL, {8, 8, 162, 24}},
                          {IDC_GOTO_LINE, {8, 27, 162, 48}},
                          {IDOK, {8, 54, 82, 76}},
                          {IDCANCEL, {88, 54, 162, 76}}});
    tooltips_.attach(handle());
    tooltips_.setDelay(kTooltipDelayMs);
    tooltips_.add(item(IDC_GOTO_LINE), L"Type the line number you want to find in the text");
}

std::int32_t TGoto::askLineNumber(std::int32_t offered) {
    // Alt+L reaches the field from anywhere in the dialog.
    SetDlgItemTextW(handle(), IDC_GOTO_LABEL, (L"&" + lineNumberLabel(offered)).c_str());
    lineNumber_ = -1;
    showModal();
    return lineNumber_;
}

// The previous entry is selected, so typing replaces it.
void TGoto::onShowing() {
    centerOnOwner();
    SetFocus(item(IDC_GOTO_LINE));
    SendDlgItemMessageW(handle(), IDC_GOTO_LINE, EM_SETSEL, 0, -1);
}

// Enter anywhere in the dialog is OK, Escape and the close box are Cancel.
void TGoto::onCommand(int id, int, HWND) {
    if (id == IDOK) buttonOKClick();
    if (id == IDCANCEL) close(IDCANCEL);
}

void TGoto::buttonOKClick() {
    const std::wstring typed = itemText(IDC_GOTO_LINE);
    const std::optional<std::int32_t> number = parseLineNumber(typed);
    lineNumber_ = number.value_or(-1);
    if (!number) warn_(invalidLineNumberMessage(typed));
    if (lineNumber_ != -1) close(IDOK);
}

}  // namespace vantry
