#include "settings/portable/settings_table.h"

#include "settings/portable/options_resources.h"
#include "settings/portable/settings_record.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <utility>

namespace vantry {
namespace {

enum class Form { Text, Integer };

// When start-up reads a setting: in the first group (the switches and colours, the NFO
// font, the text font, the font mode, each in number order, so that integers that are
// not ones are reported in that order), after the font, or never (the Find options).
enum class ReadAt { First, NfoFont, TextFont, FontMode, AfterFont, Never };

// One row per setting; row n describes setting n. `field` is the member of the main
// window's record that holds it (none for the window placement and the Find options);
// `options` and `control` say how the Options dialog shows it.
struct SettingRow {
    Setting number;
    std::wstring_view name;
    std::wstring_view defaultText;
    Form form;
    std::wstring Settings::*field;
    ReadAt read;
    OptionsMapping options = OptionsMapping::None;
    int control = 0;
};

using enum Form;
using enum ReadAt;
using enum OptionsMapping;
using S = Settings;

constexpr std::array<SettingRow, kRecentFile01> kSettingRows = {{
    {kWordWrap, L"wordWrap", L"0", Integer, &S::wordWrap, First},
    {kAllowTextChanges, L"allowTextChanges", L"1", Integer, &S::allowTextChanges, First},
    {kBgColor, L"bgColor", L"7552305", Integer, &S::bgColor, First, Colour, IDC_SHAPE_BACKGROUND},
    {kTextColor, L"textColor", L"16777215", Integer, &S::textColor, First, Colour, IDC_SHAPE_TEXT},
    {kWindowPosY, L"windowPosY", L"5", Integer, nullptr, AfterFont},
    {kWindowPosX, L"windowPosX", L"28", Integer, nullptr, AfterFont},
    {kWindowWidth, L"windowWidth", L"836", Integer, nullptr, AfterFont},
    {kWindowHeight, L"windowHeight", L"702", Integer, nullptr, AfterFont},
    {kFontSelection, L"fontSelection", L"extensionSelectDefaultAnsi", Text, &S::fontSelection, FontMode, FontModeItems,
     IDC_RADIO1_ITEM0},
    {kAskToSave, L"askToSave", L"1", Text, &S::askToSave, AfterFont, CheckBox, IDC_SAVE_CHECKBOX},
    {kEscExits, L"escExits", L"1", Text, &S::escExits, AfterFont, CheckBox, IDC_ESC_CHECKBOX},
    {kCopyOnSelect, L"copyOnSelect", L"0", Text, &S::copyOnSelect, AfterFont, CheckBox, IDC_COPY_ON_SELECT},
    {kSearchMatchCase, L"searchMatchCase", L"0", Text, nullptr, Never},
    {kSearchLooped, L"searchLooped", L"0", Text, nullptr, Never},
    {kSearchFromTop, L"searchFromTop", L"1", Text, nullptr, Never},
    {kCloseOnSearch, L"closeOnSearch", L"0", Text, nullptr, Never},
    {kWindowIsMaximized, L"windowIsMaximized", L"0", Integer, nullptr, AfterFont},
    {kAsciiFontSize, L"asciiFontSize", L"12", Integer, &S::asciiFontSize, NfoFont, FontSize, IDC_LABEL_NFO_FONT},
    {kAnsiFontSize, L"ansiFontSize", L"10", Integer, &S::ansiFontSize, TextFont, FontSize, IDC_LABEL_TEXT_FONT},
    {kAsciiFontName, L"asciiFontName", L"ASCII VGA", Text, &S::asciiFontName, NfoFont, FontFace, IDC_LABEL_NFO_FONT},
    {kAnsiFontName, L"ansiFontName", L"Courier New", Text, &S::ansiFontName, TextFont, FontFace, IDC_LABEL_TEXT_FONT},
    {kAsciiFontStyle, L"asciiFontStyle", L"normal", Text, &S::asciiFontStyle, NfoFont, FontStyle, IDC_LABEL_NFO_FONT},
    {kAnsiFontStyle, L"ansiFontStyle", L"normal", Text, &S::ansiFontStyle, TextFont, FontStyle, IDC_LABEL_TEXT_FONT},
    {kAlwaysOnTop, L"alwaysOnTop", L"0", Text, &S::alwaysOnTop, AfterFont},
    {kUrlFollow, L"urlFollow", L"ctrlClick", Text, &S::urlFollow, AfterFont, FollowItems, IDC_RADIO_URL_ITEM0},
    {kShowStatusBar, L"showStatusBar", L"1", Text, &S::showStatusBar, AfterFont},
    {kAsciiFontHeight, L"asciiFontHeight", L"-16", Integer, &S::asciiFontHeight, NfoFont, FontHeight,
     IDC_LABEL_NFO_FONT},
    {kAnsiFontHeight, L"ansiFontHeight", L"-13", Integer, &S::ansiFontHeight, TextFont, FontHeight,
     IDC_LABEL_TEXT_FONT},
    {kEmailFollow, L"emailFollow", L"ctrlClick", Text, &S::emailFollow, AfterFont, FollowItems, IDC_RADIO_EMAIL_ITEM0},
    {kRecentFileCount, L"recentFileCount", L"6", Integer, &S::recentFileCount, AfterFont, CountItems,
     IDC_RECENT_FILES_COMBO},
    {kRecentFileFullPath, L"recentFileFullPath", L"1", Text, &S::recentFileFullPath, AfterFont, CheckBox,
     IDC_FULL_PATH_CHECKBOX},
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

bool isRecentFile(int number) { return number >= kRecentFile01 && number < kRecentFile01 + kRecentFileSlots; }

}  // namespace

namespace {
// "recentFile01" for the first place: the stem and two digits.
std::wstring placeName(std::wstring stem, size_t place) {
    stem += static_cast<wchar_t>(L'0' + (place + 1) / 10);
    stem += static_cast<wchar_t>(L'0' + (place + 1) % 10);
    return stem;
}
}  // namespace

std::wstring settingName(int number) {
    if (const SettingRow* row = rowOf(number)) return std::wstring(row->name);
    if (isRecentFile(number)) return placeName(L"recentFile", static_cast<size_t>(number - kRecentFile01));
    return std::to_wstring(number);
}

std::wstring recentFileEncodingName(size_t place) { return placeName(L"recentFileEncoding", place); }

std::wstring settingDefault(int number) {
    if (const SettingRow* row = rowOf(number)) return std::wstring(row->defaultText);
    return isRecentFile(number) ? std::wstring() : std::wstring(L"0");
}

namespace {

// The settings whose rows are read at one of `steps`, step by step, in number order.
std::vector<int> settingsReadAt(std::initializer_list<ReadAt> steps) {
    std::vector<int> numbers;
    for (ReadAt step : steps) {
        for (const SettingRow& row : kSettingRows) {
            if (row.read == step) numbers.push_back(row.number);
        }
    }
    return numbers;
}

}  // namespace

std::vector<int> settingsReadBeforeFont() { return settingsReadAt({First, NfoFont, TextFont, FontMode}); }

std::vector<int> settingsReadAfterFont() {
    std::vector<int> numbers = settingsReadAt({AfterFont});
    for (int slot = 0; slot < kRecentFileSlots; ++slot) numbers.push_back(kRecentFile01 + slot);
    return numbers;
}

std::array<int, kSettingCount - 4> settingLoadOrder() {
    std::array<int, kSettingCount - 4> order{};
    const std::vector<int> before = settingsReadBeforeFont();
    const std::vector<int> after = settingsReadAfterFont();
    std::copy(after.begin(), after.end(), std::copy(before.begin(), before.end(), order.begin()));
    return order;
}

std::vector<OptionsField> optionsFields() {
    std::vector<OptionsField> fields;
    for (const SettingRow& row : kSettingRows) {
        if (row.options != None) fields.push_back({row.number, row.options, row.control});
    }
    return fields;
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

std::wstring* Settings::field(int number) { return const_cast<std::wstring*>(std::as_const(*this).field(number)); }

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
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::wstring formatSettingInteger(std::int32_t value) { return std::to_wstring(value); }

std::wstring invalidIntegerMessage(int number, std::wstring_view storedText) {
    return L"'" + std::wstring(storedText) + L"' is not a valid integer value.\n\nThe setting " + settingName(number) +
           L" was reset to its default, " + settingDefault(number);
}

}  // namespace vantry
