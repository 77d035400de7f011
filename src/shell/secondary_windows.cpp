#include "shell/secondary_windows.h"

namespace vantry {
namespace {
constexpr DWORD kSizeableFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
}  // namespace

SecondaryWindow::SecondaryWindow(HWND owner, const wchar_t* className, const wchar_t* caption,
                                 DWORD style, DWORD exStyle, SIZE size) {
    create({className}, exStyle, caption, style, {0, 0, size.cx, size.cy}, owner);
}

TFileInfoDialog::TFileInfoDialog(HWND owner)
    : SecondaryWindow(owner, L"Vantry.FileInfo", L"File information", kSizeableFrame,
                      WS_EX_TOOLWINDOW, {420, 180}) {}

}  // namespace vantry
