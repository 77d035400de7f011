#include "settings/portable/settings_record.h"
#include "settings/portable/settings_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vantry {
namespace {

TEST(SettingsTable, RecentFilesAndUnknownNumbersAreNamedAsStored) {
    struct Case {
        int number;
        const wchar_t* name;
        const wchar_t* defaultText;
    };
    const Case cases[] = {
        {kRecentFile01, L"recentFile01", L""},
        {kRecentFile01 + 8, L"recentFile09", L""},
        {kRecentFile01 + 9, L"recentFile10", L""},
        {50, L"recentFile20", L""},
        {51, L"51", L"0"},
        {-1, L"-1", L"0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(settingName(c.number), c.name) << c.number;
        EXPECT_EQ(settingDefault(c.number), c.defaultText) << c.number;
    }
}

// Start-up reads every setting but the four Find options once, and the font settings
// (all eight, then the mode) before any other, so the font is applied before the rest.
TEST(SettingsTable, StartUpReadsEachSettingOnceAndTheFontFirst) {
    const auto order = settingLoadOrder();
    std::set<int> read(order.begin(), order.end());
    EXPECT_EQ(read.size(), order.size()) << "no setting is read twice";
    for (int number = 0; number < kSettingCount; ++number) {
        const bool findOption = number >= kSearchMatchCase && number <= kCloseOnSearch;
        EXPECT_EQ(read.contains(number), !findOption) << number;
    }
    const std::vector<int> readBeforeFont = settingsReadBeforeFont();
    const std::set<int> firstGroup(readBeforeFont.begin(), readBeforeFont.end());
    for (int font : {kAsciiFontName, kAsciiFontSize, kAsciiFontStyle, kAsciiFontHeight, kAnsiFontName, kAnsiFontSize,
                     kAnsiFontStyle, kAnsiFontHeight}) {
        EXPECT_TRUE(firstGroup.contains(font)) << font;
    }
    EXPECT_EQ(order[readBeforeFont.size() - 1], kFontSelection);
    EXPECT_EQ(order.back(), kRecentFile01 + 19);
}

// Each stored value lands in the field of its own name.
TEST(SettingsTable, EachSettingHasItsOwnField) {
    Settings settings;
    for (int number = 0; number < kSettingCount; ++number) {
        if (std::wstring* field = settings.field(number)) *field = settingName(number);
    }
    const std::pair<const std::wstring*, const wchar_t*> fields[] = {
        {&settings.wordWrap, L"wordWrap"},
        {&settings.allowTextChanges, L"allowTextChanges"},
        {&settings.escExits, L"escExits"},
        {&settings.copyOnSelect, L"copyOnSelect"},
        {&settings.askToSave, L"askToSave"},
        {&settings.alwaysOnTop, L"alwaysOnTop"},
        {&settings.urlFollow, L"urlFollow"},
        {&settings.emailFollow, L"emailFollow"},
        {&settings.showStatusBar, L"showStatusBar"},
        {&settings.fontSelection, L"fontSelection"},
        {&settings.bgColor, L"bgColor"},
        {&settings.textColor, L"textColor"},
        {&settings.asciiFontName, L"asciiFontName"},
        {&settings.asciiFontSize, L"asciiFontSize"},
        {&settings.asciiFontStyle, L"asciiFontStyle"},
        {&settings.asciiFontHeight, L"asciiFontHeight"},
        {&settings.ansiFontName, L"ansiFontName"},
        {&settings.ansiFontSize, L"ansiFontSize"},
        {&settings.ansiFontStyle, L"ansiFontStyle"},
        {&settings.ansiFontHeight, L"ansiFontHeight"},
        {&settings.recentFileCount, L"recentFileCount"},
        {&settings.recentFileFullPath, L"recentFileFullPath"},
        {&settings.recentFile[0], L"recentFile01"},
        {&settings.recentFile[19], L"recentFile20"},
    };
    for (const auto& [field, name] : fields) EXPECT_EQ(*field, name);
    EXPECT_EQ(settings.field(kWindowPosX), nullptr) << "the placement is not held";
    EXPECT_EQ(settings.field(kSearchLooped), nullptr);
}

TEST(SettingsTable, IntegerTextsAreStrictSigned32BitDecimals) {
    struct Case {
        const wchar_t* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {L"0", 0},
        {L"7552305", 7552305},
        {L"-16", -16},
        {L"+5", 5},
        {L"2147483647", 2147483647},
        {L"-2147483648", -2147483647 - 1},
        {L"2147483648", std::nullopt},
        {L"-2147483649", std::nullopt},
        {L"1234567890", 1234567890},
        {L"-0987654321", -987654321},
        {L"", std::nullopt},
        {L"-", std::nullopt},
        {L"+-1", std::nullopt},
        {L" 1", std::nullopt},
        {L"1 ", std::nullopt},
        {L"abc", std::nullopt},
        {L"1.5", std::nullopt},
        {L"99999999999", std::nullopt},
        // Numbers beyond every integer type are refused, not wrapped around.
        {L"9223372036854775807", std::nullopt},
        {L"-9223372036854775808", std::nullopt},
        {L"18446744073709551617", std::nullopt},
        {L"18446744073709551616", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseSettingInteger(c.text), c.value) << c.text;
    EXPECT_EQ(formatSettingInteger(-2147483647 - 1), L"-2147483648");
    EXPECT_TRUE(isIntegerSetting(kWindowHeight));
    EXPECT_FALSE(isIntegerSetting(kAskToSave)) << "flags are texts";
    EXPECT_FALSE(isIntegerSetting(kRecentFile01));
    EXPECT_EQ(invalidIntegerMessage(kWindowWidth, L"wide"),
              L"'wide' is not a valid integer value.\n\nThe setting windowWidth was reset to its default, 836");
}

}  // namespace
}  // namespace vantry
