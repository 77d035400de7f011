// The recent list and the shortened captions: the list never holds a path twice or a
// hole, and a caption is the path (or its name) cut as promised, "&" shown as itself.
#include "documents/portable/recent_files.h"
#include "fuzz_support.h"

using namespace vantry;

namespace {

std::wstring shownText(std::wstring_view caption) {
    std::wstring shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        fuzz::require(caption[i] != L'&' || (i + 1 < caption.size() && caption[i + 1] == L'&'));
        shown += caption[i];
        if (caption[i] == L'&') ++i;
    }
    return shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    RecentFileList list;
    const int count = input.byte() % 24 - 2;
    const std::wstring fullPath = input.byte() % 2 ? L"1" : L"0";
    while (!input.rest().empty()) {
        const std::uint8_t action = input.byte();
        std::wstring path = input.text(130, action % 3 != 0);
        for (wchar_t& c : path) c = c == L'.' ? L'\\' : c;  // backslashes, so names get cut
        if (action % 5 == 0) {
            removeRecentFile(list, path);
        } else if (!path.empty()) {
            addRecentFile(list, path, count);
        }
        bool hole = false;
        for (size_t place = 0; place < list.size(); ++place) {
            if (list[place].empty())
                hole = true;
            else
                fuzz::require(!hole);
            for (size_t other = place + 1; other < list.size(); ++other) {
                fuzz::require(list[place].empty() || list[place] != list[other]);
            }
        }
        const auto items = recentMenuItems(list, std::to_wstring(count), fullPath);
        for (size_t place = 0; place < list.size(); ++place) {
            const std::wstring& entry = list[place];
            fuzz::require(items[place].visible == (!entry.empty() && static_cast<int>(place) < count));
            const std::wstring expected = fullPath == L"1" ? truncateText(entry, 100) : shortFileName(entry, 70);
            fuzz::require(shownText(items[place].caption) == expected);
        }
        const std::wstring name = shortFileName(path, -1);
        fuzz::require(path.ends_with(name));
        const std::wstring cut = truncateText(path, action % 50);
        fuzz::require(cut.size() <= static_cast<size_t>(action % 50) + 3 || cut == path);
        fuzz::require(path.starts_with(cut.substr(0, std::min(cut.size(), static_cast<size_t>(action % 50)))));
    }
    return 0;
}
