// The Options dialog's rules: how stored texts become control states and back, how a
// font profile is described, and what OK stores, in which order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/portable/font_choice.h"
#include "settings/portable/settings_table.h"

namespace vantry {

inline constexpr int kRecentFileCountItems = 21;  // "0" to "20"
inline constexpr int kDefaultRecentFileCount = 6;

// `recentFileCount` as a number of places, clamped to 0..20; the default for a text
// that is not a number.
int recentFileCountOf(std::wstring_view setting);

// The four font modes in the order of the dialog's list; an unknown text shows item 2,
// and any item but 0, 1 and 3 stores "extensionSelectDefaultAscii".
int fontSelectionItem(std::wstring_view keyword);
std::wstring_view fontSelectionKeyword(int item);

// URL and e-mail following: "none", "click", "doubleClick", "ctrlClick" are items 0 to 3;
// an unknown text shows item 0, and an unknown item stores "none".
int followItem(std::wstring_view keyword);
std::wstring_view followKeyword(int item);

// The recent-files count as an item of "0" to "20", and back.
int recentFileCountItem(std::wstring_view text);
std::wstring recentFileCountText(int item);

// "ASCII VGA, 12", with ", bold" and ", italic" as the style has them.
std::wstring describeFont(const FontProfile& profile);
inline constexpr std::wstring_view kNfoFontLabel = L"Font for NFO files: ";
inline constexpr std::wstring_view kTextFontLabel = L"Font for text files: ";

// The built-in NFO profile that "Use default" restores, and the text one.
FontProfile defaultNfoProfile();
FontProfile defaultTextProfile();

// The character height in pixels that a size in points has on a screen (negative, as
// fonts store it).
std::int32_t heightForPointSize(std::int32_t points, int dotsPerInch);

// What a simple control (a check box, a radio group, a list) shows for a stored text: a
// check box 1 or 0, a group or list its item; -1 for the colours and font parts.
int controlStateOf(const OptionsField& field, std::wstring_view stored);

// What the dialog holds when OK is pressed, asked by the rows' control ids.
class OptionsControls {
public:
    // A check box 1 or 0, a radio group or list its item (-1 when none is selected).
    virtual int state(const OptionsField& field) const = 0;
    virtual std::int32_t colour(int swatch) const = 0;
    virtual FontProfile font(int label) const = 0;

protected:
    ~OptionsControls() = default;
};

// The settings OK stores, as (setting number, text), in the settings' number order.
std::vector<std::pair<int, std::wstring>> optionsToStore(const OptionsControls& controls);

}  // namespace vantry
