// The recent-files list: twenty places, newest first, and the captions the File menu
// shows for them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "documents/portable/text_encoding.h"
#include "settings/portable/options_rules.h"
#include "settings/portable/settings_table.h"

namespace vantry {

using RecentFileList = std::array<std::wstring, kRecentFileSlots>;
// The encoding a user chose for each listed file, by place; None: read it by its bytes.
using RecentEncodingList = std::array<TextEncoding, kRecentFileSlots>;

// A path listed within the first `count` places keeps its place (paths compare exactly,
// with case); a new one, or one listed further down, goes first and the others move
// down. Places from `count` on are emptied.
void addRecentFile(RecentFileList& list, const std::wstring& path, int count);

// The encodings of `after`'s paths, each as `encodings` gave it for the same path in
// `before`, so that an encoding follows its file up and down the list and is forgotten
// when the file leaves it.
RecentEncodingList encodingsFollowing(const RecentFileList& before, const RecentEncodingList& encodings,
                                      const RecentFileList& after);

// How the registry keeps the encoding chosen for a listed file: the encoding's keyword
// and the file's path ("dos866|C:\nfo\x.nfo"), so that a value another program instance
// left for another file at that place is not taken for this one. Nothing for None.
std::wstring recentEncodingText(TextEncoding encoding, std::wstring_view path);
// The encoding a stored text gives `path`: None unless it names this very path.
TextEncoding recentEncodingFor(std::wstring_view storedText, std::wstring_view path);

// Takes the path out; the places below move up. False when it was not listed.
bool removeRecentFile(RecentFileList& list, std::wstring_view path);

// The text cut to `maximum` characters followed by "..." when longer; -1: no limit.
std::wstring truncateText(std::wstring_view text, int maximum);

// The part after the last backslash (the whole path when nothing follows one), then
// cut as truncateText does.
std::wstring shortFileName(std::wstring_view path, int maximum);

struct RecentMenuItem {
    bool visible = false;
    std::wstring caption;  // menu text: "&" is doubled, so it shows as itself
};

// The twenty File-menu items for the list under the `recentFileCount` and
// `recentFileFullPath` settings.
std::array<RecentMenuItem, kRecentFileSlots> recentMenuItems(const RecentFileList& list, std::wstring_view countSetting,
                                                             std::wstring_view fullPathSetting);

}  // namespace vantry
