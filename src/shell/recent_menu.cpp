// The main window's recent-files list: kept in the settings, shown in the File menu.
#include "shell/nfo01.h"

#include "documents/portable/recent_files.h"
#include "shell/resource.h"

namespace vantry {

void Tnfonote::addRecentFile(const std::wstring& path) {
    vantry::addRecentFile(settings_.recentFile, path, recentFileCountOf(settings_.recentFileCount));
    storeRecentFiles();
    refreshRecentMenu();
}

// All twenty places are stored, so the settings never keep a hole.
void Tnfonote::removeRecentFile(const std::wstring& path) {
    if (!vantry::removeRecentFile(settings_.recentFile, path)) return;
    storeRecentFiles();
    refreshRecentMenu();
}

void Tnfonote::clearRecentFiles() {
    for (std::wstring& entry : settings_.recentFile) entry.clear();
    storeRecentFiles();
    refreshRecentMenu();
}

void Tnfonote::storeRecentFiles() {
    const SettingsStore::HeldOpen held(store_);
    for (int place = 0; place < kRecentFileSlots; ++place) {
        store_.writeSetting(kRecentFile01 + place, settings_.recentFile[static_cast<size_t>(place)]);
    }
}

void Tnfonote::refreshRecentMenu() {
    recentMenu_.show(recentMenuItems(settings_.recentFile, settings_.recentFileCount, settings_.recentFileFullPath));
}

void Tnfonote::RecentItemClick(int place) {
    if (place < 0 || place >= kRecentFileSlots) return;
    const std::wstring path = settings_.recentFile[static_cast<size_t>(place)];
    if (path.empty()) return;
    if (!askToSaveChanges()) return;
    if (!loadDocument(path, L"")) removeRecentFile(path);
}

}  // namespace vantry
