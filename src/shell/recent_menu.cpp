// The main window's recent-files list (the RecentFiles component) and a click on one.
#include "shell/nfo01.h"

namespace vantry {

void Tnfonote::RecentItemClick(int place) {
    if (place < 0 || place >= kRecentFileSlots) return;
    const std::wstring path = settings_.recentFile[static_cast<size_t>(place)];
    if (path.empty()) return;
    if (!askToSaveChanges()) return;
    if (!loadDocument(path, L"")) recentFiles_.remove(path);
}

}  // namespace vantry
