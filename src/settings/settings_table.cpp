#include "settings/settings_table.h"

#include <algorithm>
#include <limits>

namespace vantry {
namespace {

struct SettingEntry {
    std::wstring_view name;
    std::wstring_view defaultText;
};

constexpr std::array<SettingEntry, 31> kNamedSettings = {{
    {L"wordWrap", L"0"},
    {L"allowTextChanges", L"1"},
    {L"bgColor", L"7552305"},
    {L"textColor", L"16777215"},
    {L"windowPosY", L"5"},
    {L"windowPosX", L"28"},
    {L"windowWidth", L"836"},
    {L"windowHeight", L"702"},
    {L"fontSelection", L"extensionSelectDefaultAnsi"},
    {L"askToSave", L"1"},
    {L"escExits", L"1"},
    {L"copyOnSelect", L"0"},
    {L"searchMatchCase", L"0"},
    {L"searchLooped", L"0"},
    {L"searchFromTop", L"1"},
    {L"closeOnSearch", L"0"},
    {L"windowIsMaximized", L"0"},
    {L"asciiFontSize", L"12"},
    {L"ansiFontSize", L"10"},
    {L"asciiFontName", L"ASCII VGA"},
    {L"ansiFontName", L"Courier New"},
    {L"asciiFontStyle", L"normal"},
    {L"ansiFontStyle", L"normal"},
    {L"alwaysOnTop", L"0"},
    {L"urlFollow", L"ctrlClick"},
    {L"showStatusBar", L"1"},
    {L"asciiFontHeight", L"-16"},
    {L"ansiFontHeight", L"-13"},
    {L"emailFollow", L"ctrlClick"},
    {L"recentFileCount", L"6"},
    {L"recentFileFullPath", L"1"},
}};

bool isRecentFile(int number) {
    return number >= kRecentFile01 && number < kRecentFile01 + kRecentFileSlots;
}

}  // namespace

std::wstring settingName(int number) {
    if (number >= 0 && number < static_cast<int>(kNamedSettings.size())) {
        return std::wstring(kNamedSettings[static_cast<size_t>(number)].name);
    }
    if (isRecentFile(number)) {
        const int slot = number - kRecentFile01 + 1;
        std::wstring name = L"recentFile";
        name += static_cast<wchar_t>(L'0' + slot / 10);
        name += static_cast<wchar_t>(L'0' + slot % 10);
        return name;
    }
    return std::to_wstring(number);
}

std::wstring settingDefault(int number) {
    if (number >= 0 && number < static_cast<int>(kNamedSettings.size())) {
        return std::wstring(kNamedSettings[static_cast<size_t>(number)].defaultText);
    }
    return isRecentFile(number) ? std::wstring() : std::wstring(L"0");
}

std::array<int, kSettingCount - 4> settingLoadOrder() {
    std::array<int, kSettingCount - 4> order{};
    auto next = std::copy(kFirstLoadGroup.begin(), kFirstLoadGroup.end(), order.begin());
    next = std::copy(kSecondLoadGroupHead.begin(), kSecondLoadGroupHead.end(), next);
    for (int slot = 0; slot < kRecentFileSlots; ++slot) *next++ = kRecentFile01 + slot;
    return order;
}

bool isIntegerSetting(int number) {
    switch (number) {
        case kWordWrap: case kAllowTextChanges: case kBgColor: case kTextColor:
        case kWindowPosY: case kWindowPosX: case kWindowWidth: case kWindowHeight:
        case kWindowIsMaximized: case kAsciiFontSize: case kAnsiFontSize:
        case kAsciiFontHeight: case kAnsiFontHeight: case kRecentFileCount:
            return true;
        default:
            return false;
    }
}

std::optional<std::int32_t> parseSettingInteger(std::wstring_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::wstring formatSettingInteger(std::int32_t value) { return std::to_wstring(value); }

std::wstring invalidIntegerMessage(int number, std::wstring_view storedText) {
    return L"'" + std::wstring(storedText) + L"' is not a valid integer value.\n\nThe setting " +
           settingName(number) + L" was reset to its default, " + settingDefault(number);
}

}  // namespace vantry
