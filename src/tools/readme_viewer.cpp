#include "tools/readme_viewer.h"

#include <utility>

#include "documents/document_file.h"
#include "settings/display_font.h"
#include "tools/tool_resources.h"
#include "win/error.h"
#include "win/error_report.h"

namespace vantry {

TReadMe::TReadMe(HWND owner, std::wstring programDir) : programDir_(std::move(programDir)) {
    create(IDD_README, L"Vantry.ReadMe", owner);
    setLayout({569, 516}, {{IDC_README_TEXT, {0, 0, 569, 516}, true, true}});
    SetDlgItemTextW(handle(), IDC_README_TEXT, L"readme file not found");
}

std::wstring TReadMe::text() const { return itemText(IDC_README_TEXT); }

void TReadMe::onShowing() {
    centerOnOwner();
    FormActivate();
    opened_ = true;
}

// The dialog's own activation would select the whole text, which scrolls to its end:
// the text gets the focus itself, and at each opening starts at its top.
bool TReadMe::onMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message != WM_ACTIVATE || LOWORD(wParam) == WA_INACTIVE) return false;
    const HWND text = item(IDC_README_TEXT);
    SetFocus(text);
    if (std::exchange(opened_, false)) {
        SendMessageW(text, EM_SETSEL, 0, 0);
        SendMessageW(text, EM_SCROLLCARET, 0, 0);
    }
    result = 0;
    return true;
}

// A file that cannot be read is reported; the viewer still opens with what it held.
void TReadMe::FormActivate() {
    if (!font_) font_ = createDisplayFont({L"ASCII VGA", 12, -16, {}}, dpi());
    SendDlgItemMessageW(handle(), IDC_README_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    try {
        const DecodedDocument readme = readDocumentFile(programDir_ + L"readme.nfo", TextEncoding::None);
        SetDlgItemTextW(handle(), IDC_README_TEXT, readme.text.c_str());
    } catch (const Error& error) {
        showStandardErrorReport(error.message());
    }
}

}  // namespace vantry
