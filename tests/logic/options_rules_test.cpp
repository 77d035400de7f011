#include "settings/portable/association_rules.h"
#include "settings/portable/options_resources.h"
#include "settings/portable/options_rules.h"
#include "settings/portable/settings_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vantry {
namespace {

TEST(OptionsRules, StoredTextsOpenAsItemsAndOkStoresTheItemsKeyword) {
    struct Case {
        const wchar_t* stored;
        int item;
        const wchar_t* storedByOk;
    };
    const Case fontModes[] = {
        {L"alwaysAscii", 0, L"alwaysAscii"},
        {L"alwaysAnsi", 1, L"alwaysAnsi"},
        {L"extensionSelectDefaultAscii", 2, L"extensionSelectDefaultAscii"},
        {L"extensionSelectDefaultAnsi", 3, L"extensionSelectDefaultAnsi"},
        {L"AlwaysAscii", 2, L"extensionSelectDefaultAscii"},
        {L"", 2, L"extensionSelectDefaultAscii"},
    };
    for (const Case& c : fontModes) {
        EXPECT_EQ(fontSelectionItem(c.stored), c.item) << c.stored;
        EXPECT_EQ(fontSelectionKeyword(c.item), c.storedByOk) << c.stored;
    }
    EXPECT_EQ(fontSelectionKeyword(-1), L"extensionSelectDefaultAscii") << "no item selected";

    const Case follows[] = {
        {L"none", 0, L"none"},           {L"click", 1, L"click"},     {L"doubleClick", 2, L"doubleClick"},
        {L"ctrlClick", 3, L"ctrlClick"}, {L"shiftClick", 0, L"none"}, {L"", 0, L"none"},
    };
    for (const Case& c : follows) {
        EXPECT_EQ(followItem(c.stored), c.item) << c.stored;
        EXPECT_EQ(followKeyword(c.item), c.storedByOk) << c.stored;
    }

    const Case counts[] = {
        {L"0", 0, L"0"},    {L"6", 6, L"6"},  {L"20", 20, L"20"}, {L"21", 20, L"20"},
        {L"35", 20, L"20"}, {L"-3", 0, L"0"}, {L"many", 6, L"6"}, {L"", 6, L"6"},
    };
    for (const Case& c : counts) {
        EXPECT_EQ(recentFileCountItem(c.stored), c.item) << c.stored;
        EXPECT_EQ(recentFileCountText(c.item), c.storedByOk) << c.stored;
    }
}

// The dialog as OK finds it, its controls by id.
struct FakeControls final : OptionsControls {
    std::map<int, int> states;
    int state(const OptionsField& field) const override { return states.at(field.control); }
    std::int32_t colour(int swatch) const override { return swatch == IDC_SHAPE_BACKGROUND ? 0x00030201 : -2147483643; }
    FontProfile nfoFont{L"ASCII EGA", 9, -12, {true, false}}, textFont{L"Lucida Console", 11, -15, {false, true}};
    FontProfile font(int label) const override { return label == IDC_LABEL_NFO_FONT ? nfoFont : textFont; }
};

// Every field holds a value no other field holds, so a crossed pair shows; the four
// switches take two patterns in which every pair of them differs once.
TEST(OptionsRules, OkStoresEachChoiceUnderItsOwnSetting) {
    struct Switches {
        bool fullPath, askToSave, escExits, copyOnSelect;
    };
    for (const Switches& s : {Switches{true, false, true, false}, Switches{true, true, false, false}}) {
        FakeControls controls;
        controls.states = {{IDC_RADIO1_ITEM0, 1},
                           {IDC_RADIO_URL_ITEM0, 2},
                           {IDC_RADIO_EMAIL_ITEM0, 3},
                           {IDC_RECENT_FILES_COMBO, 35},
                           {IDC_FULL_PATH_CHECKBOX, s.fullPath},
                           {IDC_SAVE_CHECKBOX, s.askToSave},
                           {IDC_ESC_CHECKBOX, s.escExits},
                           {IDC_COPY_ON_SELECT, s.copyOnSelect}};
        std::map<std::wstring, std::wstring> stored;
        for (const auto& [number, text] : optionsToStore(controls)) stored[settingName(number)] = text;
        const auto flag = [](bool on) { return std::wstring(on ? L"1" : L"0"); };
        const std::map<std::wstring, std::wstring> expected = {
            {L"bgColor", L"197121"},
            {L"textColor", L"-2147483643"},
            {L"fontSelection", L"alwaysAnsi"},
            {L"asciiFontName", L"ASCII EGA"},
            {L"asciiFontSize", L"9"},
            {L"asciiFontHeight", L"-12"},
            {L"asciiFontStyle", L"bold"},
            {L"ansiFontName", L"Lucida Console"},
            {L"ansiFontSize", L"11"},
            {L"ansiFontHeight", L"-15"},
            {L"ansiFontStyle", L"italic"},
            {L"urlFollow", L"doubleClick"},
            {L"emailFollow", L"ctrlClick"},
            {L"recentFileCount", L"20"},
            {L"recentFileFullPath", flag(s.fullPath)},
            {L"askToSave", flag(s.askToSave)},
            {L"escExits", flag(s.escExits)},
            {L"copyOnSelect", flag(s.copyOnSelect)},
        };
        EXPECT_EQ(stored, expected);
        EXPECT_EQ(optionsToStore(controls).size(), 18u) << "each setting once";
    }
}

TEST(OptionsRules, FontDescriptionsDefaultsAndHeights) {
    EXPECT_EQ(describeFont(defaultNfoProfile()), L"ASCII VGA, 12");
    EXPECT_EQ(describeFont(defaultTextProfile()), L"Courier New, 10");
    EXPECT_EQ(describeFont({L"Arial", 9, -12, {true, true}}), L"Arial, 9, bold, italic");
    EXPECT_EQ(describeFont({L"Arial", 9, -20, {false, true}}), L"Arial, 9, italic") << "the height is not told";
    EXPECT_EQ(defaultNfoProfile().height, -16);
    EXPECT_EQ(defaultTextProfile().height, heightForPointSize(10, 96)) << "the stored default is what 96 DPI gives";
    EXPECT_EQ(heightForPointSize(12, 96), -16);
    EXPECT_EQ(heightForPointSize(10, 144), -20);
    EXPECT_EQ(heightForPointSize(9, 96), -12);
}

TEST(AssociationRules, TypedExtensionsAreStrippedOrRefused) {
    struct Case {
        const wchar_t* typed;
        const wchar_t* extension;
        bool refused;
    };
    const Case cases[] = {
        {L"nfo", L"nfo", false},
        {L".nfo", L"nfo", false},
        {L"*.diz", L"diz", false},
        {L"....zzz", L".zzz", false},
        {L"my ext.v2", L"my ext.v2", false},
        {L"x~y", L"x~y", false},
        {L"", L"", true},
        {L"...", L"", true},
        {L"*.*", L"", true},
        {L"a\\b", L"", true},
        {L"x\ty", L"", true},
        {L"x\x1Fy", L"", true},
        {L"x\x7F", L"", true},
        {L"\x01", L"", true},
    };
    for (const Case& c : cases) {
        const CustomExtension result = customExtension(c.typed);
        EXPECT_EQ(result.extension, c.extension) << c.typed;
        EXPECT_EQ(result.refusal.has_value(), c.refused) << c.typed;
    }
    EXPECT_EQ(customExtension(L"..").refusal, std::wstring(kTypeAnExtensionMessage));
    EXPECT_EQ(customExtension(L"a\x7F").refusal.value_or(L"").rfind(L"\"a\x7F\" cannot be associated", 0), 0u);
    EXPECT_EQ(associationQuestion(L"diz"), L"All files with the extension \"diz\" will be associated with Vantry.");
}

// Programs, scripts and the shell's own files keep opening as Windows opens them,
// however the extension is typed.
TEST(AssociationRules, ProgramsScriptsAndShellFilesAreNeverAssociated) {
    struct Case {
        const wchar_t* typed;
        bool refused;
    };
    const Case cases[] = {
        {L"exe", true},  {L"EXE", true},  {L".Exe", true},    {L"*.exe", true}, {L"...exe", true},
        {L"exe.", true}, {L"exe ", true}, {L"com", true},     {L"bat", true},   {L"cmd", true},
        {L"pif", true},  {L"scr", true},  {L"msi", true},     {L"msp", true},   {L"lnk", true},
        {L"url", true},  {L"cpl", true},  {L"dll", true},     {L"sys", true},   {L"ps1", true},
        {L"vbs", true},  {L"vbe", true},  {L"js", true},      {L"jse", true},   {L"wsf", true},
        {L"wsh", true},  {L"hta", true},  {L"REG", true},     {L"inf", true},   {L"library-ms", true},
        {L"nfo", false}, {L"txt", false}, {L"exes", false},   {L"ex", false},   {L"e.xe", false},
        {L"jsx", false}, {L"log", false}, {L"my exe", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isSystemExtension(c.typed), c.refused) << c.typed;
        const CustomExtension result = customExtension(c.typed);
        EXPECT_EQ(result.refusal.has_value(), c.refused) << c.typed;
        if (c.refused) {
            EXPECT_EQ(result.extension, L"") << c.typed;
        }
    }
    EXPECT_EQ(customExtension(L"*.EXE").refusal.value_or(L"").rfind(L"\"EXE\" files are run or used by Windows", 0),
              0u);
}

TEST(AssociationRules, TheStoredCommandKeepsAPathWithBlanksWhole) {
    EXPECT_EQ(openCommand(L"C:\\My Apps\\Vantry.exe"), L"\"C:\\My Apps\\Vantry.exe\" \"%1\"");
    EXPECT_EQ(defaultIcon(L"C:\\My Apps\\Vantry.exe"), L"C:\\My Apps\\Vantry.exe,0");
    EXPECT_EQ(extensionKeyPath(L"nfo"), L"\\.nfo");
    EXPECT_TRUE(keepsBackup(L"txtfile"));
    EXPECT_FALSE(keepsBackup(L"Vantry")) << "no backup of itself";
    EXPECT_FALSE(keepsBackup(L""));
}

}  // namespace
}  // namespace vantry
