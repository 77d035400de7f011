// The settings key as start-up and the store use it, on Wine's real registry.
#include <gtest/gtest.h>

#include <algorithm>

#include "settings/settings_store.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    CleanSettingsKey clean;
    ScriptedUi ui;
    std::vector<std::wstring> shown;
    SettingsStore store{kTestKeyPath, [this](const std::wstring& message) { shown.push_back(message); }};
};

TEST_F(SettingsStoreTest, FirstStartStoresTheDocumentedDefaults) {
    const auto window = makeMainWindow();
    std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L"wordWrap", L"0"}, {L"allowTextChanges", L"1"}, {L"bgColor", L"7552305"}, {L"textColor", L"16777215"},
        {L"windowPosY", L"5"}, {L"windowPosX", L"28"}, {L"windowWidth", L"836"}, {L"windowHeight", L"702"},
        {L"fontSelection", L"extensionSelectDefaultAnsi"}, {L"askToSave", L"1"}, {L"escExits", L"1"},
        {L"copyOnSelect", L"0"}, {L"windowIsMaximized", L"0"}, {L"asciiFontSize", L"12"}, {L"ansiFontSize", L"10"},
        {L"asciiFontName", L"ASCII VGA"}, {L"ansiFontName", L"Courier New"}, {L"asciiFontStyle", L"normal"},
        {L"ansiFontStyle", L"normal"}, {L"alwaysOnTop", L"0"}, {L"urlFollow", L"ctrlClick"}, {L"showStatusBar", L"1"},
        {L"asciiFontHeight", L"-16"}, {L"ansiFontHeight", L"-13"}, {L"emailFollow", L"ctrlClick"},
        {L"recentFileCount", L"6"}, {L"recentFileFullPath", L"1"}};
    for (int n = 1; n <= 20; ++n) expected.push_back({(n < 10 ? L"recentFile0" : L"recentFile") + std::to_wstring(n), L""});
    std::vector<std::pair<std::wstring, std::wstring>> stored;
    for (const std::wstring& name : valueNames()) stored.push_back({name, readValue(name)});
    std::sort(expected.begin(), expected.end());
    std::sort(stored.begin(), stored.end());  // the registry lists values by name
    EXPECT_EQ(stored, expected) << "the four Find options are stored by the Find window, not at start-up";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsStoreTest, ATextValueOfOddLengthIsReadUpToItsLastWholeCharacter) {
    // "Terminal" and half a character, with no terminating zero.
    RegSetKeyValueW(HKEY_CURRENT_USER, kTestKeyPath + 1, L"asciiFontName", REG_SZ, L"TerminalX", 17);
    RegSetKeyValueW(HKEY_CURRENT_USER, kTestKeyPath + 1, L"ansiFontName", REG_SZ, L"Lucida\0junk", 22);
    const auto window = makeMainWindow();
    EXPECT_EQ(window->settings().asciiFontName, L"Terminal");
    EXPECT_EQ(window->settings().ansiFontName, L"Lucida") << "a zero inside ends the text";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsStoreTest, StoredValuesAreReadAsTheyStand) {
    writeValue(L"asciiFontName", L"");
    writeValue(L"recentFile01", L"C:\\a b\\x.nfo");
    RegSetKeyValueW(HKEY_CURRENT_USER, kTestKeyPath + 1, L"ansiFontName", REG_EXPAND_SZ, L"%WINDIR%",
                    sizeof L"%WINDIR%");
    const DWORD number = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, kTestKeyPath + 1, L"textColor", REG_DWORD, &number, sizeof number);

    EXPECT_EQ(store.readSetting(kAsciiFontName), L"");
    EXPECT_EQ(store.readSetting(kRecentFile01), L"C:\\a b\\x.nfo");
    EXPECT_EQ(store.readSetting(kAnsiFontName), L"%WINDIR%");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(store.readSetting(kTextColor), L"");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], L"Internal error(3).\n\nCan't read windows registry entry: textColor");
    EXPECT_EQ(store.readSetting(kBgColor), L"7552305");  // missing: the default, now stored
    EXPECT_EQ(readValue(L"bgColor"), L"7552305");
}

TEST_F(SettingsStoreTest, NumberedValuesOfTheOldLayoutGoOnlyWhenFiveExists) {
    for (const wchar_t* name : {L"0", L"7", L"34", L"35", L"urlFollow"}) writeValue(name, L"x");
    makeMainWindow();
    EXPECT_EQ(readValue(L"7"), L"x") << "without \"5\" nothing is cleaned up";

    writeValue(L"5", L"x");
    makeMainWindow();
    for (const wchar_t* gone : {L"0", L"5", L"7", L"34"}) EXPECT_EQ(readValue(gone), L"<missing>") << narrow(gone);
    EXPECT_EQ(readValue(L"35"), L"x");
    EXPECT_EQ(readValue(L"urlFollow"), L"x");
}

TEST_F(SettingsStoreTest, AKeyThatCannotBeCreatedIsReportedAndTheProgramGoesOn) {
    // A volatile key cannot hold a lasting subkey, so the settings key cannot be made.
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VantryWindowTests\\Volatile", 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    const std::wstring keyPath = std::wstring(kTestKeyPath) + L"\\Volatile\\Settings";

    SettingsStore unwritable(keyPath, [this](const std::wstring& message) { shown.push_back(message); });
    unwritable.writeSetting(kWordWrap, L"1");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], L"Internal error(2).\n\nCan't write to windows registry: " + keyPath);

    MainWindowSetup setup;
    setup.programPath = testProgramPath();
    setup.settingsKeyPath = keyPath;
    Tnfonote window(std::move(setup));
    EXPECT_TRUE(IsWindow(window.handle()));
    EXPECT_EQ(window.settings().bgColor, L"7552305") << "the defaults still apply";
    EXPECT_FALSE(ui.messages.empty());
}

TEST_F(SettingsStoreTest, AStoredNumberThatIsNotANumberIsReportedAndReset) {
    writeValue(L"wordWrap", L"abc");
    writeValue(L"windowWidth", L"");
    writeValue(L"asciiFontHeight", L"big");
    const auto window = makeMainWindow();
    ASSERT_TRUE(IsWindow(window->handle()));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_NE(ui.messages[0].text.find(L"'abc' is not a valid integer value"), std::wstring::npos);
    EXPECT_EQ(ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(ui.messages[0].caption, L"Vantry");
    EXPECT_EQ(readValue(L"wordWrap"), L"0");
    EXPECT_EQ(readValue(L"windowWidth"), L"836");
    EXPECT_EQ(readValue(L"asciiFontHeight"), L"-16");
    RECT bounds{};
    GetWindowRect(window->handle(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 836);
}

}  // namespace
}  // namespace vantry::testing
