#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantry {
namespace {

TEST(SettingsTable, RecentFilesAndUnknownNumbersAreNamedAsStored) {
    struct Case { int number; const wchar_t* name; const wchar_t* defaultText; };
    const Case cases[] = {
        {kRecentFile01, L"recentFile01", L""}, {kRecentFile01 + 8, L"recentFile09", L""},
        {kRecentFile01 + 9, L"recentFile10", L""}, {50, L"recentFile20", L""},
        {51, L"51", L"0"}, {-1, L"-1", L"0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(settingName(c.number), c.name) << c.number;
        EXPECT_EQ(settingDefault(c.number), c.defaultText) << c.number;
    }
}

TEST(SettingsTable, StartUpReadsTheSettingsInTheDocumentedOrder) {
    std::vector<std::wstring> expected = {
        L"wordWrap", L"allowTextChanges", L"bgColor", L"textColor", L"asciiFontName", L"asciiFontSize",
        L"asciiFontStyle", L"asciiFontHeight", L"ansiFontName", L"ansiFontSize", L"ansiFontStyle",
        L"ansiFontHeight", L"fontSelection",  // the font is applied here
        L"askToSave", L"escExits", L"copyOnSelect", L"urlFollow", L"emailFollow", L"showStatusBar",
        L"windowPosY", L"windowPosX", L"windowWidth", L"windowHeight", L"windowIsMaximized", L"alwaysOnTop",
        L"recentFileCount", L"recentFileFullPath"};
    for (int n = 1; n <= 20; ++n) expected.push_back((n < 10 ? L"recentFile0" : L"recentFile") + std::to_wstring(n));
    std::vector<std::wstring> order;
    for (int number : settingLoadOrder()) order.push_back(settingName(number));
    EXPECT_EQ(order, expected);
    EXPECT_EQ(settingName(kFirstLoadGroup.back()), L"fontSelection");
}

TEST(SettingsTable, IntegerTextsAreStrictSigned32BitDecimals) {
    struct Case { const wchar_t* text; std::optional<std::int32_t> value; };
    const Case cases[] = {
        {L"0", 0}, {L"7552305", 7552305}, {L"-16", -16}, {L"+5", 5},
        {L"2147483647", 2147483647}, {L"-2147483648", -2147483647 - 1},
        {L"2147483648", std::nullopt}, {L"", std::nullopt}, {L"-", std::nullopt},
        {L" 1", std::nullopt}, {L"1 ", std::nullopt}, {L"abc", std::nullopt},
        {L"1.5", std::nullopt}, {L"99999999999", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseSettingInteger(c.text), c.value) << c.text;
    EXPECT_EQ(formatSettingInteger(-2147483647 - 1), L"-2147483648");
}

}  // namespace
}  // namespace vantry
