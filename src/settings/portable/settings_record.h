// The main window's copy of the settings, each exactly as stored.
#pragma once

#include <array>
#include <string>

#include "settings/portable/font_choice.h"
#include "settings/portable/settings_table.h"

namespace vantry {

// A font profile from its four stored texts; a number that is not one counts as 0.
FontProfile fontProfileOf(const std::wstring& face, const std::wstring& size, const std::wstring& height,
                          const std::wstring& style);

struct Settings {
    std::wstring allowTextChanges;
    std::wstring wordWrap;
    std::wstring escExits;
    std::wstring copyOnSelect;
    std::wstring askToSave;
    std::wstring alwaysOnTop;
    std::wstring urlFollow;
    std::wstring emailFollow;
    std::wstring showStatusBar;
    std::wstring fontSelection;
    std::wstring bgColor;
    std::wstring textColor;
    std::wstring asciiFontName;
    std::wstring asciiFontSize;
    std::wstring asciiFontStyle;
    std::wstring asciiFontHeight;
    std::wstring ansiFontName;
    std::wstring ansiFontSize;
    std::wstring ansiFontStyle;
    std::wstring ansiFontHeight;
    std::wstring recentFileCount;
    std::wstring recentFileFullPath;
    std::array<std::wstring, kRecentFileSlots> recentFile;

    // The field that holds a setting; nullptr for the window placement and the Find
    // options, which the main window does not hold. The settings table names it.
    std::wstring* field(int number);
    const std::wstring* field(int number) const;
    // Whether the switch `number` is on, by the one switch rule.
    bool isOn(int number) const;

    // The two display profiles. Start-up has made sure their numbers are integers.
    FontProfile nfoProfile() const;
    FontProfile textProfile() const;
};

}  // namespace vantry
