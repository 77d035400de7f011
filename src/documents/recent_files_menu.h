// The recent files in the File menu: the shown items follow a given command, behind a
// separator of their own, so that an empty list leaves no stray separator.
#pragma once

#include <windows.h>

#include <array>

#include "documents/portable/recent_files.h"

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

}  // namespace vantry
