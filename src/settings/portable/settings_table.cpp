#include "settings/portable/settings_table.h"

#include "settings/portable/settings_record.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace vantry {
namespace {

enum class Form { Text, Integer };

// One row per setting; row n describes setting n. `field` is the member of the main
// window's record that holds it (none for the window placement and the Find options).
struct SettingRow {
    Setting number;
    std::wstring_view name;
    std::wstring_view defaultText;
    Form form;
    std::wstring Settings::*field;
};

constexpr std::array<SettingRow, kRecentFile01> kSettingRows = {{
    {kWordWrap, L"wordWrap", L"0", Form::Integer, &Settings::wordWrap},
    {kAllowTextChanges, L"allowTextChanges", L"1", Form::Integer, &Settings::allowTextChanges},
    {kBgColor, L"bgColor", L"7552305", Form::Integer, &Settings::bgColor},
    {kTextColor, L"textColor", L"16777215", Form::Integer, &Settings::textColor},
    {kWindowPosY, L"windowPosY", L"5", Form::Integer, nullptr},
    {kWindowPosX, L"windowPosX", L"28", Form::Integer, nullptr},
    {kWindowWidth, L"windowWidth", L"836", Form::Integer, nullptr},
    {kWindowHeight, L"windowHeight", L"702", Form::Integer, nullptr},
    {kFontSelection, L"fontSelection", L"extensionSelectDefaultAnsi", Form::Text, &Settings::fontSelection},
    {kAskToSave, L"askToSave", L"1", Form::Text, &Settings::askToSave},
    {kEscExits, L"escExits", L"1", Form::Text, &Settings::escExits},
    {kCopyOnSelect, L"copyOnSelect", L"0", Form::Text, &Settings::copyOnSelect},
    {kSearchMatchCase, L"searchMatchCase", L"0", Form::Text, nullptr},
    {kSearchLooped, L"searchLooped", L"0", Form::Text, nullptr},
    {kSearchFromTop, L"searchFromTop", L"1", Form::Text, nullptr},
    {kCloseOnSearch, L"closeOnSearch", L"0", Form::Text, nullptr},
    {kWindowIsMaximized, L"windowIsMaximized", L"0", Form::Integer, nullptr},
    {kAsciiFontSize, L"asciiFontSize", L"12", Form::Integer, &Settings::asciiFontSize},
    {kAnsiFontSize, L"ansiFontSize", L"10", Form::Integer, &Settings::ansiFontSize},
    {kAsciiFontName, L"asciiFontName", L"ASCII VGA", Form::Text, &Settings::asciiFontName},
    {kAnsiFontName, L"ansiFontName", L"Courier New", Form::Text, &Settings::ansiFontName},
    {kAsciiFontStyle, L"asciiFontStyle", L"normal", Form::Text, &Settings::asciiFontStyle},
    {kAnsiFontStyle, L"ansiFontStyle", L"normal", Form::Text, &Settings::ansiFontStyle},
    {kAlwaysOnTop, L"alwaysOnTop", L"0", Form::Text, &Settings::alwaysOnTop},
    {kUrlFollow, L"urlFollow", L"ctrlClick", Form::Text, &Settings::urlFollow},
    {kShowStatusBar, L"showStatusBar", L"1", Form::Text, &Settings::showStatusBar},
    {kAsciiFontHeight, L"asciiFontHeight", L"-16", Form::Integer, &Settings::asciiFontHeight},
    {kAnsiFontHeight, L"ansiFontHeight", L"-13", Form::Integer, &Settings::ansiFontHeight},
    {kEmailFollow, L"emailFollow", L"ctrlClick", Form::Text, &Settings::emailFollow},
    {kRecentFileCount, L"recentFileCount", L"6", Form::Integer, &Settings::recentFileCount},
    {kRecentFileFullPath, L"recentFileFullPath", L"1", Form::Text, &Settings::recentFileFullPath},
}};

constexpr bool rowsAreInNumberOrder() {
    for (size_t row = 0; row < kSettingRows.size(); ++row) {
        if (kSettingRows[row].number != static_cast<int>(row)) return false;
    }
    return true;
}
static_assert(rowsAreInNumberOrder(), "row n of the settings table must describe setting n");

const SettingRow* rowOf(int number) {
    if (number < 0 || number >= static_cast<int>(kSettingRows.size())) return nullptr;
    return &kSettingRows[static_cast<size_t>(number)];
}

bool isRecentFile(int number) {
    return number >= kRecentFile01 && number < kRecentFile01 + kRecentFileSlots;
}

}  // namespace

std::wstring settingName(int number) {
    if (const SettingRow* row = rowOf(number)) return std::wstring(row->name);
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
    if (const SettingRow* row = rowOf(number)) return std::wstring(row->defaultText);
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
    const SettingRow* row = rowOf(number);
    return row && row->form == Form::Integer;
}

bool isOn(int number, std::wstring_view text) {
    if (isIntegerSetting(number)) return parseSettingInteger(text).value_or(0) != 0;
    return text == switchText(true);
}

bool Settings::isOn(int number) const {
    const std::wstring* text = field(number);
    return text && vantry::isOn(number, *text);
}

const std::wstring* Settings::field(int number) const {
    if (isRecentFile(number)) return &recentFile[static_cast<size_t>(number - kRecentFile01)];
    const SettingRow* row = rowOf(number);
    return row && row->field ? &(this->*(row->field)) : nullptr;
}

std::wstring* Settings::field(int number) {
    return const_cast<std::wstring*>(std::as_const(*this).field(number));
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
