// The recent files in the File menu and in the settings.
#include <gtest/gtest.h>

#include "shell/resource.h"
#include "test_support.h"

namespace vantry::testing {
namespace {

// The File menu's texts after "File &information..." up to "&Exit", separators as "-".
std::vector<std::wstring> recentPartOfFileMenu(HWND window) {
    const HMENU file = GetSubMenu(GetMenu(window), 0);
    std::vector<std::wstring> texts;
    bool inside = false;
    for (int position = 0; position < GetMenuItemCount(file); ++position) {
        const UINT id = GetMenuItemID(file, position);
        if (id == IDM_EXIT) break;
        if (inside) {
            wchar_t text[512] = {};
            GetMenuStringW(file, static_cast<UINT>(position), text, 512, MF_BYPOSITION);
            texts.push_back((GetMenuState(file, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR) ? L"-" : text);
        }
        if (id == IDM_FILE_INFORMATION) inside = true;
    }
    return texts;
}

class RecentFilesTest : public ::testing::Test {
protected:
    std::wstring open(const std::wstring& name) {
        const std::wstring path = folder.file(name, "x");
        EXPECT_TRUE(window->loadDocument(path, L""));
        return path;
    }

    CleanSettingsKey clean;
    ScriptedUi ui;
    TempFolder folder;
    std::unique_ptr<Tnfonote> window = makeMainWindow();
};

TEST_F(RecentFilesTest, OpeningsAreListedNewestFirstUpToTheCountAndSurviveARestart) {
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), std::vector<std::wstring>{L"-"});
    std::vector<std::wstring> paths;
    for (int n = 1; n <= 7; ++n) paths.push_back(open(L"f" + std::to_wstring(n) + L".nfo"));
    const std::vector<std::wstring> expected = {L"-", paths[6], paths[5], paths[4], paths[3], paths[2], paths[1], L"-"};
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), expected);
    EXPECT_EQ(readValue(L"recentFile01"), paths[6]);
    EXPECT_EQ(readValue(L"recentFile06"), paths[1]);
    EXPECT_EQ(readValue(L"recentFile07"), L"") << "the seventh-newest is emptied in the settings";

    open(L"f4.nfo");
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), expected) << "reopening keeps the place";

    window.reset();
    window = makeMainWindow();
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), expected);
}

TEST_F(RecentFilesTest, CaptionsShowFullPathsOrNamesWithAmpersandsAsThemselves) {
    const std::wstring amp = open(L"R&D.nfo");
    const std::wstring longName = std::wstring(120, L'n') + L".txt";
    const std::wstring longPath = open(longName);
    std::vector<std::wstring> menu = recentPartOfFileMenu(window->handle());
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[1], longPath.substr(0, 100) + L"...");
    EXPECT_EQ(menu[2].find(L"R&&D.nfo"), menu[2].size() - 8) << "shown as R&D.nfo";

    window->settings().recentFileFullPath = L"0";
    window->refreshRecentMenu();
    menu = recentPartOfFileMenu(window->handle());
    EXPECT_EQ(menu[1], longName.substr(0, 70) + L"...");
    EXPECT_EQ(menu[2], L"R&&D.nfo");

    window->settings().recentFileCount = L"0";
    window->refreshRecentMenu();
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), std::vector<std::wstring>{L"-"});
    open(L"another.nfo");
    EXPECT_EQ(readValue(L"recentFile01"), L"") << "count 0 empties the whole list";
}

TEST_F(RecentFilesTest, AnItemOpensItsFileAndAGoneFileLeavesTheList) {
    const std::wstring first = open(L"first.nfo");
    const std::wstring gone = open(L"gone.nfo");
    const std::wstring last = open(L"last.nfo");
    SendMessageW(window->handle(), WM_COMMAND, IDM_RECENT_FILE_FIRST + 2, 0);
    EXPECT_EQ(window->document().fileName, first);

    ASSERT_TRUE(DeleteFileW(gone.c_str()));
    SendMessageW(window->handle(), WM_COMMAND, IDM_RECENT_FILE_FIRST + 1, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind(L"Cannot open file", 0), 0u);
    EXPECT_EQ(window->document().fileName, first);
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), (std::vector<std::wstring>{L"-", last, first, L"-"}));
    EXPECT_EQ(readValue(L"recentFile02"), first) << "the places below moved up in the settings too";
    EXPECT_EQ(readValue(L"recentFile03"), L"");

    window->clearRecentFiles();
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), std::vector<std::wstring>{L"-"});
    EXPECT_EQ(readValue(L"recentFile01"), L"");
}

TEST_F(RecentFilesTest, ACountThatIsNotANumberIsReportedAndReset) {
    window.reset();
    writeValue(L"recentFileCount", L"many");
    window = makeMainWindow();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(L"'many' is not a valid integer value"), std::wstring::npos);
    EXPECT_EQ(readValue(L"recentFileCount"), L"6");
    open(L"works.nfo");
    EXPECT_EQ(recentPartOfFileMenu(window->handle()).size(), 3u);
}

}  // namespace
}  // namespace vantry::testing
