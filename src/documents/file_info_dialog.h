// The modal "File information" window: the document's path, size and creation time.
#pragma once

#include <windows.h>

#include <string>

#include "win/dialog.h"

namespace vantry {

class TFileInfoDialog final : public Dialog {
public:
    explicit TFileInfoDialog(HWND owner);

    // Fills the window for `path` ("0": no file) and shows it until it is closed.
    void showFileInformation(const std::wstring& path);

private:
    void onShowing() override;
    void onCommand(int id, int code, HWND control) override;
    void m_okButtonClick();
};

// The creation time of a file in the user's date and time format, in local time.
std::wstring localDateTimeText(const FILETIME& time);

}  // namespace vantry
