#include "settings/portable/options_rules.h"

#include <algorithm>
#include <array>

#include "settings/portable/settings_record.h"
#include "settings/portable/settings_table.h"

namespace vantry {
namespace {

constexpr std::array<std::wstring_view, 4> kFontSelectionKeywords = {
    kAlwaysAscii, kAlwaysAnsi, kExtensionSelectDefaultAscii, kExtensionSelectDefaultAnsi};
constexpr std::array<std::wstring_view, 4> kFollowKeywords = {L"none", L"click", L"doubleClick",
                                                               L"ctrlClick"};

int itemOf(const std::array<std::wstring_view, 4>& keywords, std::wstring_view keyword, int unknown) {
    const auto found = std::find(keywords.begin(), keywords.end(), keyword);
    return found == keywords.end() ? unknown : static_cast<int>(found - keywords.begin());
}

std::wstring_view keywordOf(const std::array<std::wstring_view, 4>& keywords, int item,
                            std::wstring_view unknown) {
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
    return fontProfileOf(settingDefault(kAnsiFontName), settingDefault(kAnsiFontSize),
                         settingDefault(kAnsiFontHeight), settingDefault(kAnsiFontStyle));
}

std::int32_t heightForPointSize(std::int32_t points, int dotsPerInch) {
    return -scaledRounded(points, dotsPerInch, 72);  // 10 points at 96 dots per inch: 13 pixels
}

std::vector<std::pair<int, std::wstring>> optionsToStore(const OptionsChoices& choices) {
    const auto profileSettings = [](int name, int size, int height, int style, const FontProfile& profile) {
        return std::array<std::pair<int, std::wstring>, 4>{{
            {name, profile.face},
            {size, formatSettingInteger(profile.size)},
            {height, formatSettingInteger(profile.height)},
            {style, std::wstring(fontStyleKeyword(profile.style))},
        }};
    };
    std::vector<std::pair<int, std::wstring>> stored = {
        {kBgColor, formatSettingInteger(choices.backgroundColor)},
        {kTextColor, formatSettingInteger(choices.textColor)},
        {kFontSelection, std::wstring(fontSelectionKeyword(choices.fontSelectionItem))},
    };
    for (auto& setting : profileSettings(kAsciiFontName, kAsciiFontSize, kAsciiFontHeight, kAsciiFontStyle,
                                         choices.nfoFont)) {
        stored.push_back(std::move(setting));
    }
    for (auto& setting : profileSettings(kAnsiFontName, kAnsiFontSize, kAnsiFontHeight, kAnsiFontStyle,
                                         choices.textFont)) {
        stored.push_back(std::move(setting));
    }
    stored.insert(stored.end(), {
        {kUrlFollow, std::wstring(followKeyword(choices.urlItem))},
        {kEmailFollow, std::wstring(followKeyword(choices.emailItem))},
        {kRecentFileCount, recentFileCountText(choices.recentFileCountItem)},
        {kRecentFileFullPath, std::wstring(switchText(choices.recentFileFullPath))},
        {kAskToSave, std::wstring(switchText(choices.askToSave))},
        {kEscExits, std::wstring(switchText(choices.escExits))},
        {kCopyOnSelect, std::wstring(switchText(choices.copyOnSelect))},
    });
    return stored;
}

}  // namespace vantry
