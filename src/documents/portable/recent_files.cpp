#include "documents/portable/recent_files.h"

#include <algorithm>

namespace vantry {
namespace {

constexpr int kFullPathCaptionLength = 100;
constexpr int kFileNameCaptionLength = 70;

std::wstring menuText(std::wstring_view text) {
    std::wstring escaped;
    escaped.reserve(text.size());
    for (const wchar_t c : text) {
        if (c == L'&') escaped += L'&';
        escaped += c;
    }
    return escaped;
}

}  // namespace

void addRecentFile(RecentFileList& list, const std::wstring& path, int count) {
    const int kept = std::clamp(count, 0, kRecentFileSlots);
    const auto listed = std::find(list.begin(), list.end(), path);
    if (listed - list.begin() >= kept) {
        // New, or listed beyond the count (about to be emptied): it goes first.
        const auto last = listed == list.end() ? list.end() - 1 : listed;
        std::move_backward(list.begin(), last, last + 1);
        list.front() = path;
    }
    for (int place = kept; place < kRecentFileSlots; ++place) list[static_cast<size_t>(place)].clear();
}

RecentEncodingList encodingsFollowing(const RecentFileList& before, const RecentEncodingList& encodings,
                                      const RecentFileList& after) {
    RecentEncodingList followed{};
    for (size_t place = 0; place < after.size(); ++place) {
        if (after[place].empty()) continue;
        const auto was = std::find(before.begin(), before.end(), after[place]);
        if (was != before.end()) followed[place] = encodings[static_cast<size_t>(was - before.begin())];
    }
    return followed;
}

std::wstring recentEncodingText(TextEncoding encoding, std::wstring_view path) {
    if (encoding == TextEncoding::None) return {};
    return std::wstring(encodingKeyword(encoding)) + L"|" + std::wstring(path);
}

TextEncoding recentEncodingFor(std::wstring_view storedText, std::wstring_view path) {
    const size_t bar = storedText.find(L'|');  // never part of a Windows path
    if (bar == std::wstring_view::npos || storedText.substr(bar + 1) != path) return TextEncoding::None;
    return encodingFromKeyword(storedText.substr(0, bar));
}

bool removeRecentFile(RecentFileList& list, std::wstring_view path) {
    const auto found = std::find(list.begin(), list.end(), path);
    if (found == list.end()) return false;
    std::move(found + 1, list.end(), found);
    list.back().clear();
    return true;
}

std::wstring truncateText(std::wstring_view text, int maximum) {
    if (maximum < 0 || text.size() <= static_cast<size_t>(maximum)) return std::wstring(text);
    return std::wstring(text.substr(0, static_cast<size_t>(maximum))) + L"...";
}

std::wstring shortFileName(std::wstring_view path, int maximum) {
    const size_t slash = path.rfind(L'\\');
    if (slash != std::wstring_view::npos && slash + 1 < path.size()) path.remove_prefix(slash + 1);
    return truncateText(path, maximum);
}

std::array<RecentMenuItem, kRecentFileSlots> recentMenuItems(const RecentFileList& list, std::wstring_view countSetting,
                                                             std::wstring_view fullPathSetting) {
    const int count = recentFileCountOf(countSetting);
    const bool fullPath = isOn(kRecentFileFullPath, fullPathSetting);
    std::array<RecentMenuItem, kRecentFileSlots> items;
    for (int place = 0; place < kRecentFileSlots; ++place) {
        const std::wstring& path = list[static_cast<size_t>(place)];
        if (path.empty()) continue;
        RecentMenuItem& item = items[static_cast<size_t>(place)];
        item.visible = place < count;
        item.caption = menuText(fullPath ? truncateText(path, kFullPathCaptionLength)
                                         : shortFileName(path, kFileNameCaptionLength));
    }
    return items;
}

}  // namespace vantry
