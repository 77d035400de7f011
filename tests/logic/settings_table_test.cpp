#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(SettingsTable, LoadOrderReadsEverySettingButTheFindOptionsOnce) {
    const auto order = settingLoadOrder();
    EXPECT_EQ(order[0], kWordWrap);
    EXPECT_EQ(order[12], kFontSelection);  // the font is applied after this one
    EXPECT_EQ(order[13], kAskToSave);
    EXPECT_EQ(order.back(), 50);
    for (int number = 0; number < kSettingCount; ++number) {
        const bool findOption = number >= kSearchMatchCase && number <= kCloseOnSearch;
        EXPECT_EQ(std::count(order.begin(), order.end(), number), findOption ? 0 : 1) << number;
    }
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
