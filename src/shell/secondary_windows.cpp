#include "shell/secondary_windows.h"

namespace vantry {
namespace {
constexpr DWORD kDialogFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kSizeableFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
}  // namespace

SecondaryWindow::SecondaryWindow(HWND owner, const wchar_t* className, const wchar_t* caption,
                                 DWORD style, DWORD exStyle, SIZE size) {
    create({className}, exStyle, caption, style, {0, 0, size.cx, size.cy}, owner);
}

Tabout::Tabout(HWND owner)
    : SecondaryWindow(owner, L"Vantry.About", L"About Vantry", kDialogFrame, WS_EX_DLGMODALFRAME, {360, 260}) {}

TOptions::TOptions(HWND owner)
    : SecondaryWindow(owner, L"Vantry.Options", L"Options", kDialogFrame, WS_EX_DLGMODALFRAME, {520, 440}) {}

TMyFind::TMyFind(HWND owner)
    : SecondaryWindow(owner, L"Vantry.Find", L"Find", kSizeableFrame,
                      WS_EX_TOOLWINDOW | WS_EX_TOPMOST, {420, 200}) {}

TGoto::TGoto(HWND owner)
    : SecondaryWindow(owner, L"Vantry.Goto", L"Go to line", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      WS_EX_TOOLWINDOW, {240, 120}) {}

TReadMe::TReadMe(HWND owner)
    : SecondaryWindow(owner, L"Vantry.ReadMe", L"Readme", kSizeableFrame, WS_EX_TOOLWINDOW, {680, 520}) {}

TmessageDialog::TmessageDialog(HWND owner)
    : SecondaryWindow(owner, L"Vantry.Message", L"Vantry", kDialogFrame,
                      WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, {360, 160}) {}

TFileInfoDialog::TFileInfoDialog(HWND owner)
    : SecondaryWindow(owner, L"Vantry.FileInfo", L"File information", kSizeableFrame,
                      WS_EX_TOOLWINDOW, {420, 180}) {}

}  // namespace vantry
