#include "documents/recent_files_menu.h"

#include <algorithm>

#include "settings/portable/settings_table.h"
#include "win/error.h"

namespace vantry {
namespace {

int positionOf(HMENU menu, UINT command) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (GetMenuItemID(menu, position) == command) return position;
    }
    throw Error(L"The File menu has no place for the recent files");
}

}  // namespace

void RecentFilesMenu::attach(HMENU fileMenu, UINT afterCommand, UINT firstCommand) {
    menu_ = fileMenu;
    afterCommand_ = afterCommand;
    firstCommand_ = firstCommand;
    shown_ = 0;
}

void RecentFilesMenu::show(const std::array<RecentMenuItem, kRecentFileSlots>& items) {
    const int separator = positionOf(menu_, afterCommand_) + 1;
    if (shown_ > 0) {
        for (int item = 0; item <= shown_; ++item) DeleteMenu(menu_, static_cast<UINT>(separator), MF_BYPOSITION);
        shown_ = 0;
    }
    int position = separator + 1;
    for (size_t place = 0; place < items.size(); ++place) {
        if (!items[place].visible) continue;
        if (shown_ == 0) InsertMenuW(menu_, static_cast<UINT>(separator), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        InsertMenuW(menu_, static_cast<UINT>(position++), MF_BYPOSITION | MF_STRING,
                    firstCommand_ + static_cast<UINT>(place), items[place].caption.c_str());
        ++shown_;
    }
}

int RecentFilesMenu::placeOf(UINT command) const {
    if (command < firstCommand_ || command >= firstCommand_ + kRecentFileSlots) return -1;
    return static_cast<int>(command - firstCommand_);
}

void RecentFiles::add(const std::wstring& path, std::optional<TextEncoding> remember) {
    loadEncodings();
    const RecentFileList before = settings_.recentFile;
    addRecentFile(settings_.recentFile, path, recentFileCountOf(settings_.recentFileCount));
    encodings_ = encodingsFollowing(before, encodings_, settings_.recentFile);
    const auto place = std::find(settings_.recentFile.begin(), settings_.recentFile.end(), path);
    if (remember && place != settings_.recentFile.end()) {
        encodings_[static_cast<size_t>(place - settings_.recentFile.begin())] = *remember;
    }
    changed();
}

void RecentFiles::remove(const std::wstring& path) {
    loadEncodings();
    const RecentFileList before = settings_.recentFile;
    if (!removeRecentFile(settings_.recentFile, path)) return;
    encodings_ = encodingsFollowing(before, encodings_, settings_.recentFile);
    changed();
}

void RecentFiles::clear() {
    encodingsLoaded_ = true;
    for (std::wstring& entry : settings_.recentFile) entry.clear();
    encodings_ = {};
    changed();
}

TextEncoding RecentFiles::encodingOf(const std::wstring& path) {
    loadEncodings();
    const auto place = std::find(settings_.recentFile.begin(), settings_.recentFile.end(), path);
    return place == settings_.recentFile.end() ? TextEncoding::None
                                               : encodings_[static_cast<size_t>(place - settings_.recentFile.begin())];
}

void RecentFiles::loadEncodings() {
    if (encodingsLoaded_) return;
    encodingsLoaded_ = true;
    const SettingsStore::HeldOpen held(store_);
    for (size_t place = 0; place < encodings_.size(); ++place) {
        const std::wstring& path = settings_.recentFile[place];
        if (path.empty()) continue;
        const std::optional<std::wstring> stored = store_.readValue(recentFileEncodingName(place));
        if (stored) encodings_[place] = recentEncodingFor(*stored, path);
    }
}

// Written with the places, all of them: another instance of the program may have
// written other files' encodings there since.
void RecentFiles::changed() {
    const SettingsStore::HeldOpen held(store_);
    store();
    for (size_t place = 0; place < encodings_.size(); ++place) {
        store_.writeValue(recentFileEncodingName(place),
                          recentEncodingText(encodings_[place], settings_.recentFile[place]));
    }
    refresh();
}

void RecentFiles::refresh() {
    menu_.show(recentMenuItems(settings_.recentFile, settings_.recentFileCount, settings_.recentFileFullPath));
}

void RecentFiles::store() {
    const SettingsStore::HeldOpen held(store_);
    for (int place = 0; place < kRecentFileSlots; ++place) {
        store_.writeSetting(kRecentFile01 + place, settings_.recentFile[static_cast<size_t>(place)]);
    }
}

}  // namespace vantry
