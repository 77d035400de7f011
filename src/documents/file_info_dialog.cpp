#include "documents/file_info_dialog.h"

#include "documents/document_file.h"
#include "documents/file_info_resources.h"
#include "documents/portable/file_information.h"
#include "documents/portable/recent_files.h"
#include "settings/portable/font_choice.h"

namespace vantry {

TFileInfoDialog::TFileInfoDialog(HWND owner) {
    create(IDD_FILE_INFO, L"Vantry.FileInfo", owner);
    // The frame's left edge lies outside the window, so only its top and bottom lines show.
    setLayout({356, 235}, {{IDC_FILE_INFO_LABEL6, {8, 8, 56, 21}},
                           {IDC_FILE_INFO_PATH, {57, 8, 348, 38}, true},
                           {IDC_FILE_INFO_FRAME, {-8, 44, 383, 159}, true},
                           {IDC_FILE_INFO_LABEL3, {8, 60, 56, 73}},
                           {IDC_FILE_INFO_LABEL4, {8, 79, 56, 92}},
                           {IDC_FILE_INFO_SIZE, {57, 60, 348, 73}, true},
                           {IDC_FILE_INFO_CREATED, {57, 79, 348, 92}, true},
                           {IDOK, {231, 202, 348, 225}, true, true, false, false}});
}

void TFileInfoDialog::showFileInformation(const std::wstring& path) {
    std::wstring caption(kNoFileCaption), shownPath, size, created;
    if (path != kNoFileName) {
        caption = shortFileName(path, -1);
        shownPath = path;
        // The attributes, not an open: a file another program holds open shows too, and
        // nothing is left open.
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (GetFileAttributesExW(fileSystemPath(path).c_str(), GetFileExInfoStandard, &data) &&
            !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            size = fileSizeText((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
            created = localDateTimeText(data.ftCreationTime);
        }
    }
    SetWindowTextW(handle(), caption.c_str());
    SetDlgItemTextW(handle(), IDC_FILE_INFO_PATH, shownPath.c_str());
    SetDlgItemTextW(handle(), IDC_FILE_INFO_SIZE, size.c_str());
    SetDlgItemTextW(handle(), IDC_FILE_INFO_CREATED, created.c_str());
    showModal();
}

void TFileInfoDialog::onShowing() {
    centerOnOwner();
    SetFocus(item(IDOK));
}

// OK, Enter, Escape and the close box close it.
void TFileInfoDialog::onCommand(int id, int, HWND) {
    if (id == IDOK || id == IDCANCEL) m_okButtonClick();
}

void TFileInfoDialog::m_okButtonClick() { close(IDOK); }

std::wstring localDateTimeText(const FILETIME& time) {
    SYSTEMTIME universal{}, local{};
    if (!FileTimeToSystemTime(&time, &universal) || !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return L"";
    }
    wchar_t date[128] = {}, clock[128] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 128, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &local, nullptr, clock, 128);
    return std::wstring(date) + L" " + clock;
}

}  // namespace vantry
