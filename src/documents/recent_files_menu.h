// The recent-files list: its twenty places as the settings hold and store them, and the
// File-menu items that show them.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "documents/portable/recent_files.h"
#include "settings/portable/settings_record.h"
#include "settings/settings_store.h"

namespace vantry {

class RecentFilesMenu {
public:
    // Items get the commands firstCommand .. firstCommand + 19, by place.
    void attach(HMENU fileMenu, UINT afterCommand, UINT firstCommand);

    void show(const std::array<RecentMenuItem, kRecentFileSlots>& items);

    // The place (0..19) a command stands for; -1 for any other command.
    int placeOf(UINT command) const;

private:
    HMENU menu_ = nullptr;
    UINT afterCommand_ = 0;
    UINT firstCommand_ = 0;
    int shown_ = 0;  // items in the menu now, the separator not counted
};

// The list itself: every change is stored at once, all twenty places, so the settings
// never keep a hole, and the menu shows it again.
class RecentFiles {
public:
    RecentFiles(Settings& settings, SettingsStore& store) : settings_(settings), store_(store) {}

    void attach(HMENU fileMenu, UINT afterCommand, UINT firstCommand) {
        menu_.attach(fileMenu, afterCommand, firstCommand);
    }
    // Puts the path first; with `remember`, the list keeps that encoding for it (None:
    // none), otherwise what it kept.
    void add(const std::wstring& path, std::optional<TextEncoding> remember = std::nullopt);
    void remove(const std::wstring& path);
    void clear();
    // The encoding kept for a listed file; None for any other.
    TextEncoding encodingOf(const std::wstring& path);
    void refresh();
    // The place (0..19) a menu command stands for; -1 for any other command.
    int placeOf(UINT command) const { return menu_.placeOf(command); }

private:
    // Stores the places and their encodings, and shows the list again.
    void changed();
    void store();
    void loadEncodings();

    Settings& settings_;
    SettingsStore& store_;
    RecentFilesMenu menu_;
    // Kept in values of their own beside the places, read at the first need.
    bool encodingsLoaded_ = false;
    RecentEncodingList encodings_{};
};

}  // namespace vantry
