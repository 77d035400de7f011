#include "documents/file_info_dialog.h"

#include "documents/document_file.h"
#include "documents/file_info_resources.h"
#include "documents/portable/file_information.h"
#include "documents/portable/recent_files.h"
#include "documents/portable/sauce_record.h"
#include "settings/portable/font_choice.h"

namespace vantry {

namespace {

constexpr int kRecordHeight = 160;  // the room a SAUCE record takes below the rest

// A day as the user writes dates; empty when the system cannot write it.
std::wstring shortDateText(const SYSTEMTIME& day) {
    wchar_t text[128] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, text, 128, nullptr);
    return text;
}

// The record's date as the user writes dates; the field as stored when it is no date.
std::wstring shownDate(const SauceRecord& record) {
    if (!record.date) return record.dateText;
    SYSTEMTIME day{};
    day.wYear = static_cast<WORD>(record.date->year);
    day.wMonth = static_cast<WORD>(record.date->month);
    day.wDay = static_cast<WORD>(record.date->day);
    const std::wstring text = shortDateText(day);
    return text.empty() ? record.dateText : text;
}

}  // namespace

TFileInfoDialog::TFileInfoDialog(HWND owner) {
    create(IDD_FILE_INFO, L"Vantry.FileInfo", owner);
    const UINT tabStop = 32;  // dialog units: the field names' column
    SendDlgItemMessageW(handle(), IDC_FILE_INFO_SAUCE, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    layOut(false);
}

// The frame's left edge lies outside the window, so only its top and bottom lines show.
void TFileInfoDialog::layOut(bool withRecord) {
    const int grown = withRecord ? kRecordHeight : 0;
    setLayout({356, 235 + grown}, {{IDC_FILE_INFO_LABEL6, {8, 8, 56, 21}},
                                   {IDC_FILE_INFO_PATH, {57, 8, 348, 38}, true},
                                   {IDC_FILE_INFO_FRAME, {-8, 44, 383, 159}, true},
                                   {IDC_FILE_INFO_LABEL3, {8, 60, 56, 73}},
                                   {IDC_FILE_INFO_LABEL4, {8, 79, 56, 92}},
                                   {IDC_FILE_INFO_SIZE, {57, 60, 348, 73}, true},
                                   {IDC_FILE_INFO_CREATED, {57, 79, 348, 92}, true},
                                   {IDC_FILE_INFO_SAUCE_LABEL, {8, 167, 348, 180}, true},
                                   {IDC_FILE_INFO_SAUCE, {8, 182, 348, 167 + grown}, true, true},
                                   {IDOK, {231, 202 + grown, 348, 225 + grown}, true, true, false, false}});
    for (const int id : {IDC_FILE_INFO_SAUCE_LABEL, IDC_FILE_INFO_SAUCE}) {
        ShowWindow(item(id), withRecord ? SW_SHOWNA : SW_HIDE);
    }
}

void TFileInfoDialog::showFileInformation(const std::wstring& path, std::string_view sauceTail) {
    const std::optional<SauceRecord> record = parseSauceRecord(sauceTail);
    layOut(record.has_value());
    SetDlgItemTextW(handle(), IDC_FILE_INFO_SAUCE, record ? sauceRecordText(*record, shownDate(*record)).c_str() : L"");
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
    wchar_t clock[128] = {};
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &local, nullptr, clock, 128);
    return shortDateText(local) + L" " + clock;
}

}  // namespace vantry
