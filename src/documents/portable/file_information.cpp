#include "documents/portable/file_information.h"

#include "documents/portable/sauce_record.h"

namespace vantry {

std::wstring fileSizeText(std::uint64_t bytes) {
    return std::to_wstring(bytes / 1024) + L" Kb (" + std::to_wstring(bytes) + L" byte)";
}

std::wstring sauceRecordText(const SauceRecord& record, std::wstring_view shownDate) {
    std::wstring text = L"Title:\t" + record.title + L"\r\nAuthor:\t" + record.author + L"\r\nGroup:\t" + record.group +
                        L"\r\nDate:\t" + std::wstring(shownDate) + L"\r\nFont:\t" + record.fontName;
    if (!record.comments.empty()) text += L"\r\n";
    for (const std::wstring& line : record.comments) text += L"\r\n" + line;
    return text;
}

}  // namespace vantry
