// The settings Vantry keeps: their numbers, registry value names, defaults, the order
// in which start-up reads them, and the text form of their integers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

enum Setting : int {
    kWordWrap = 0,
    kAllowTextChanges = 1,
    kBgColor = 2,
    kTextColor = 3,
    kWindowPosY = 4,
    kWindowPosX = 5,
    kWindowWidth = 6,
    kWindowHeight = 7,
    kFontSelection = 8,
    kAskToSave = 9,
    kEscExits = 10,
    kCopyOnSelect = 11,
    kSearchMatchCase = 12,
    kSearchLooped = 13,
    kSearchFromTop = 14,
    kCloseOnSearch = 15,
    kWindowIsMaximized = 16,
    kAsciiFontSize = 17,
    kAnsiFontSize = 18,
    kAsciiFontName = 19,
    kAnsiFontName = 20,
    kAsciiFontStyle = 21,
    kAnsiFontStyle = 22,
    kAlwaysOnTop = 23,
    kUrlFollow = 24,
    kShowStatusBar = 25,
    kAsciiFontHeight = 26,
    kAnsiFontHeight = 27,
    kEmailFollow = 28,
    kRecentFileCount = 29,
    kRecentFileFullPath = 30,
    kRecentFile01 = 31,
};

inline constexpr int kSettingCount = 51;
inline constexpr int kRecentFileSlots = 20;
inline constexpr std::wstring_view kSettingsKeyPath = L"\\Software\\Vantry";

// Registry value name of a setting; a number outside 0..50 gives its decimal text.
std::wstring settingName(int number);
// The value beside recentFile01..20 that keeps what a recent file was read with:
// "recentFileEncoding01" for place 0.
std::wstring recentFileEncodingName(size_t place);
// Default text of a setting; a number outside 0..50 gives "0".
std::wstring settingDefault(int number);

// Start-up reads the settings in two groups, as their rows say: the first ends with the
// font settings and the font mode (the font is applied before the second group is read),
// the second ends with the recent files.
std::vector<int> settingsReadBeforeFont();
std::vector<int> settingsReadAfterFont();

// Every setting number in the order start-up reads it.
std::array<int, kSettingCount - 4> settingLoadOrder();

// How the Options dialog shows a setting; the row holds the control's id.
enum class OptionsMapping {
    None,           // not in the dialog
    CheckBox,       // checked when the switch is on
    FontModeItems,  // radio items from the id on: the four font modes
    FollowItems,    // radio items from the id on: "none", "click", "doubleClick", "ctrlClick"
    CountItems,     // a drop-down list of "0" to "20"
    Colour,         // the colour of the swatch with the id
    FontFace,       // a part of the font that the label with the id describes
    FontSize,
    FontHeight,
    FontStyle,
};

struct OptionsField {
    Setting setting;
    OptionsMapping mapping;
    int control;
};

// The settings the Options dialog shows, in number order.
std::vector<OptionsField> optionsFields();

// The settings that start-up converts to integers.
bool isIntegerSetting(int number);

// The switch rule, spelled once: a switch is on when stored as "1". The switches that
// start-up reads as integers (word wrap, allowing changes, the maximized window) are on
// for any number but 0.
bool isOn(int number, std::wstring_view text);
inline constexpr std::wstring_view switchText(bool on) { return on ? L"1" : L"0"; }

// A signed 32-bit decimal integer as the program writes it ("%i"): an optional sign and
// digits, nothing else. Anything else (empty text, spaces, overflow) gives nothing.
std::optional<std::int32_t> parseSettingInteger(std::wstring_view text);
std::wstring formatSettingInteger(std::int32_t value);

// The text shown when a stored integer setting is not a number.
std::wstring invalidIntegerMessage(int number, std::wstring_view storedText);

}  // namespace vantry
