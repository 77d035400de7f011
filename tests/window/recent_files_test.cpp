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
            texts.push_back((GetMenuState(file, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR) ? L"-"
                                                                                                            : text);
        }
        if (id == IDM_FILE_INFORMATION) inside = true;
    }
    return texts;
}

class RecentFilesTest : public WindowTest {
protected:
    std::wstring open(const std::wstring& name) {
        const std::wstring path = folder.file(name, "x");
        EXPECT_TRUE(window->loadDocument(path, L""));
        return path;
    }
};

TEST_F(RecentFilesTest, OpeningsAreListedNewestFirstUpToTheCountAndSurviveARestart) {
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), std::vector<std::wstring>{L"-"});
    std::vector<std::wstring> paths;
    for (int n = 1; n <= 7; ++n) paths.push_back(open(L"f" + std::to_wstring(n) + L".nfo"));
    const std::vector<std::wstring> expected = {L"-", paths[6], paths[5], paths[4], paths[3], paths[2], paths[1], L"-"};
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), expected) << "full paths by default";
    EXPECT_EQ(readValue(L"recentFile01"), paths[6]);
    EXPECT_EQ(readValue(L"recentFile06"), paths[1]);
    EXPECT_EQ(readValue(L"recentFile07"), L"") << "the seventh-newest is emptied in the settings";

    window.reset();
    window = makeMainWindow();
    EXPECT_EQ(recentPartOfFileMenu(window->handle()), expected) << "read back at start";
}

}  // namespace
}  // namespace vantry::testing
