// The modal "File information" window: the document's path, size and creation time,
// and the fields of a SAUCE record the document carries.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "win/dialog.h"

namespace vantry {

class TFileInfoDialog final : public Dialog {
public:
    explicit TFileInfoDialog(HWND owner);

    // Fills the window for `path` ("0": no file) and the SAUCE record in `sauceTail`
    // (empty: none), and shows it until it is closed.
    void showFileInformation(const std::wstring& path, std::string_view sauceTail = {});

private:
    // Room for the record below the rest, or the window as it is without one.
    void layOut(bool withRecord);
    void onShowing() override;
    void onCommand(int id, int code, HWND control) override;
    void m_okButtonClick();
};

// The creation time of a file in the user's date and time format, in local time.
std::wstring localDateTimeText(const FILETIME& time);

}  // namespace vantry
