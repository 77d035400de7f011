#include "settings/portable/options_rules.h"

#include <algorithm>
#include <array>

#include "settings/portable/settings_record.h"
#include "settings/portable/settings_table.h"

namespace vantry {
namespace {

constexpr std::array<std::wstring_view, 4> kFontSelectionKeywords = {
    kAlwaysAscii, kAlwaysAnsi, kExtensionSelectDefaultAscii, kExtensionSelectDefaultAnsi};
constexpr std::array<std::wstring_view, 4> kFollowKeywords = {L"none", L"click", L"doubleClick", L"ctrlClick"};

int itemOf(const std::array<std::wstring_view, 4>& keywords, std::wstring_view keyword, int unknown) {
    const auto found = std::find(keywords.begin(), keywords.end(), keyword);
    return found == keywords.end() ? unknown : static_cast<int>(found - keywords.begin());
}

std::wstring_view keywordOf(const std::array<std::wstring_view, 4>& keywords, int item, std::wstring_view unknown) {
    return item >= 0 && item < 4 ? keywords[static_cast<size_t>(item)] : unknown;
}

}  // namespace

int fontSelectionItem(std::wstring_view keyword) { return itemOf(kFontSelectionKeywords, keyword, 2); }

std::wstring_view fontSelectionKeyword(int item) {
    // Item 2 is also what an unknown item stores.
    return keywordOf(kFontSelectionKeywords, item, kExtensionSelectDefaultAscii);
}

int followItem(std::wstring_view keyword) { return itemOf(kFollowKeywords, keyword, 0); }

std::wstring_view followKeyword(int item) { return keywordOf(kFollowKeywords, item, kFollowKeywords[0]); }

int recentFileCountOf(std::wstring_view setting) {
    const std::optional<std::int32_t> count = parseSettingInteger(setting);
    return std::clamp<std::int32_t>(count.value_or(kDefaultRecentFileCount), 0, kRecentFileSlots);
}

int recentFileCountItem(std::wstring_view text) { return recentFileCountOf(text); }

std::wstring recentFileCountText(int item) {
    return formatSettingInteger(std::clamp(item, 0, kRecentFileCountItems - 1));
}

std::wstring describeFont(const FontProfile& profile) {
    std::wstring text = profile.face + L", " + std::to_wstring(profile.size);
    if (profile.style.bold) text += L", bold";
    if (profile.style.italic) text += L", italic";
    return text;
}

FontProfile defaultNfoProfile() {
    return fontProfileOf(settingDefault(kAsciiFontName), settingDefault(kAsciiFontSize),
                         settingDefault(kAsciiFontHeight), settingDefault(kAsciiFontStyle));
}

FontProfile defaultTextProfile() {
    return fontProfileOf(settingDefault(kAnsiFontName), settingDefault(kAnsiFontSize), settingDefault(kAnsiFontHeight),
                         settingDefault(kAnsiFontStyle));
}

std::int32_t heightForPointSize(std::int32_t points, int dotsPerInch) {
    return -scaledRounded(points, dotsPerInch, 72);  // 10 points at 96 dots per inch: 13 pixels
}

int controlStateOf(const OptionsField& field, std::wstring_view stored) {
    switch (field.mapping) {
        case OptionsMapping::CheckBox: return isOn(field.setting, stored) ? 1 : 0;
        case OptionsMapping::FontModeItems: return fontSelectionItem(stored);
        case OptionsMapping::FollowItems: return followItem(stored);
        case OptionsMapping::CountItems: return recentFileCountItem(stored);
        default: return -1;
    }
}

namespace {

std::wstring storedText(const OptionsField& field, const OptionsControls& controls) {
    switch (field.mapping) {
        case OptionsMapping::None: break;
        case OptionsMapping::CheckBox: return std::wstring(switchText(controls.state(field) == 1));
        case OptionsMapping::FontModeItems: return std::wstring(fontSelectionKeyword(controls.state(field)));
        case OptionsMapping::FollowItems: return std::wstring(followKeyword(controls.state(field)));
        case OptionsMapping::CountItems: return recentFileCountText(controls.state(field));
        case OptionsMapping::Colour: return formatSettingInteger(controls.colour(field.control));
        case OptionsMapping::FontFace: return controls.font(field.control).face;
        case OptionsMapping::FontSize: return formatSettingInteger(controls.font(field.control).size);
        case OptionsMapping::FontHeight: return formatSettingInteger(controls.font(field.control).height);
        case OptionsMapping::FontStyle: return std::wstring(fontStyleKeyword(controls.font(field.control).style));
    }
    return {};
}

}  // namespace

std::vector<std::pair<int, std::wstring>> optionsToStore(const OptionsControls& controls) {
    std::vector<std::pair<int, std::wstring>> stored;
    for (const OptionsField& field : optionsFields()) stored.emplace_back(field.setting, storedText(field, controls));
    return stored;
}

}  // namespace vantry
