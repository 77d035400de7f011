#include "tools/about_box.h"

#include "tools/program_info.h"
#include "tools/tool_resources.h"
#include "win/system_ui.h"

namespace vantry {
namespace {

constexpr COLORREF kLinkColor = RGB(0, 0, 128);

GdiObject<HFONT> tahoma(int pixels, bool bold, bool underline) {
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = underline;
    font.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(font.lfFaceName, L"Tahoma");
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

bool isLink(int id) { return id == IDC_ABOUT_MAIL || id == IDC_ABOUT_WEB; }

}  // namespace

const wchar_t* Tabout::mailLink() { return L"mailto:" VANTRY_FEEDBACK_ADDRESS L"?subject=Vantry feedback"; }

const wchar_t* Tabout::webLink() { return VANTRY_WEB_ADDRESS; }

Tabout::Tabout(HWND owner) {
    create(IDD_ABOUT, L"Vantry.About", owner);
    setLayout({279, 216}, {
                              {IDC_ABOUT_FRAME, {3, -3, 276, 213}},
                              {IDC_ABOUT_ICON, {53, 14, 86, 47}},
                              {IDC_ABOUT_PRODUCT, {97, 22, 240, 40}},
                              {IDC_ABOUT_EMPTY, {26, 24, 27, 25}},
                              {IDC_ABOUT_NOTE, {28, 53, 245, 92}},
                              {IDC_ABOUT_AUTHOR, {12, 100, 267, 114}},
                              {IDC_ABOUT_MAIL_CAPTION, {60, 119, 106, 133}},
                              {IDC_ABOUT_MAIL, {109, 119, 240, 133}},
                              {IDC_ABOUT_MAKER, {12, 144, 267, 158}},
                              {IDC_ABOUT_WEB, {12, 158, 267, 172}},
                              {IDC_ABOUT_FONTS, {8, 180, 271, 208}},
                          });
    SetDlgItemTextW(handle(), IDC_ABOUT_PRODUCT, VANTRY_PRODUCT_LINE);
    SetDlgItemTextW(handle(), IDC_ABOUT_AUTHOR, VANTRY_AUTHOR_CREDIT);
    SetDlgItemTextW(handle(), IDC_ABOUT_MAIL, VANTRY_FEEDBACK_ADDRESS);
    SetDlgItemTextW(handle(), IDC_ABOUT_MAKER, VANTRY_MAKER_LINE);
    SetDlgItemTextW(handle(), IDC_ABOUT_WEB, VANTRY_WEB_ADDRESS);
    SetDlgItemTextW(handle(), IDC_ABOUT_FONTS, VANTRY_FONT_CREDIT);
    titleFont_ = tahoma(scaled(13), true, false);
    linkFont_ = tahoma(scaled(11), false, true);
    textFont_ = tahoma(scaled(11), false, false);
    SendDlgItemMessageW(handle(), IDC_ABOUT_PRODUCT, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), FALSE);
    SendDlgItemMessageW(handle(), IDC_ABOUT_NOTE, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), FALSE);
    for (int link : {IDC_ABOUT_MAIL, IDC_ABOUT_WEB}) {
        SendDlgItemMessageW(handle(), link, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);
    }
    const auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICON));  // the program's
    if (icon) SendDlgItemMessageW(handle(), IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

bool Tabout::onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_CTLCOLORSTATIC: {
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            if (!isLink(id) || askingDefault_) return false;
            // The face every text of the box gets, from the dialog's own handling, and
            // the link colour on it.
            askingDefault_ = true;
            result = static_cast<INT_PTR>(DefDlgProcW(handle(), message, wParam, lParam));
            askingDefault_ = false;
            SetTextColor(reinterpret_cast<HDC>(wParam), kLinkColor);
            return true;
        }
        case WM_SETCURSOR:
            if (isLink(GetDlgCtrlID(reinterpret_cast<HWND>(wParam)))) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                result = TRUE;
                return true;
            }
            return false;
        case WM_LBUTTONDOWN:  // the frame and the empty parts of the box
            close(IDOK);
            return true;
        default: return false;
    }
}

void Tabout::onCommand(int id, int code, HWND) {
    if (id == IDCANCEL) return close(IDCANCEL);
    if (code != STN_CLICKED) return;
    if (id == IDC_ABOUT_MAIL) return systemUi().shellOpen(mailLink());
    if (id == IDC_ABOUT_WEB) return systemUi().shellOpen(webLink());
    close(IDOK);  // the icon and the other texts
}

}  // namespace vantry
