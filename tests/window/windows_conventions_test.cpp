// What Windows users take for granted: scaling on a high-DPI screen, long paths, the
// version Explorer shows, the declarations of the manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/options_dialog.h"
#include "settings/portable/options_resources.h"
#include "shell/application.h"
#include "shell/resource.h"
#include "tools/find_window.h"
#include "test_support.h"
#include "win/dpi.h"

namespace vantry::testing {
namespace {

LONG memoFontHeight(Tnfonote& window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window.memo().handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

class HighDpiTest : public ::testing::Test {
protected:
    CleanSettingsKey cleanKey;
    ScriptedUi ui;
    TempFolder folder;
};

TEST_F(HighDpiTest, TheWindowsAreLaidOutAndTheFontsSizedForTheScreen) {
    const auto window = makeMainWindow(folder.file(L"art.nfo", "\xDB\xDB\xDB\xDB\r\n\xDB\xDB\xDB\xDB\r\n"));
    ASSERT_EQ(windowDpi(window->handle()), 144) << "run in the prefix of 144 dots per inch";
    window->show();

    RECT client{}, status{};
    GetClientRect(window->handle(), &client);
    status = clientRectOf(window->statusBar(), window->handle());
    EXPECT_EQ(status.bottom - status.top, 29) << "19 pixels at 96";
    EXPECT_EQ(clientRectOf(window->memo().handle(), window->handle()).bottom, client.bottom - 29);
    EXPECT_EQ(memoFontHeight(*window), -32) << "two whole cells of the 16-pixel face, not 24";

    const auto text = makeMainWindow(folder.file(L"notes.txt", "text"));
    EXPECT_EQ(memoFontHeight(*text), -20) << "Courier New's 13 pixels at 96";

    TOptions options(window->handle(), *window);
    EXPECT_EQ(rectText(clientRectOf(GetDlgItem(options.handle(), IDOK), options.handle())), "173,696 153x33");
}

TEST_F(HighDpiTest, TheFindWindowsControlsLieClearOfEachOther) {
    const auto window = makeMainWindow();
    TMyFind find(window->handle(), *window);
    ASSERT_EQ(find.dpi(), 144);
    EXPECT_EQ(findWindowLayoutFaults(find), std::vector<std::string>{});
}

TEST(WindowsConventions, AFileDeeperThanMaxPathOpensAndSaves) {
    CleanSettingsKey cleanKey;
    ScriptedUi ui;
    TempFolder folder;
    std::wstring deep = folder.folder();
    for (int level = 0; level < 5; ++level) {
        deep += std::wstring(60, static_cast<wchar_t>(L'a' + level)) + L"\\";
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr)) << level;
    }
    const std::wstring path = deep + L"deep.nfo";
    ASSERT_GT(path.size(), 300u);
    {
        const UniqueFileHandle file(CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                                                nullptr));
        ASSERT_TRUE(file);
        DWORD written = 0;
        WriteFile(file.get(), "deep", 4, &written, nullptr);
    }
    // Named on the command line, as it is or in the "\\?\" form, it is shown as users know it.
    for (const std::wstring& given : {path, L"\\\\?\\" + path}) {
        const auto named = makeMainWindow(commandLineFile((L"Vantry.exe \"" + given + L"\"").c_str()));
        EXPECT_EQ(named->document().fileName, path);
        EXPECT_EQ(statusPanel(named->statusBar(), 1), path);
        wchar_t caption[64] = {};
        GetWindowTextW(named->handle(), caption, 64);
        EXPECT_STREQ(caption, L"deep.nfo - Vantry");
    }
    const auto window = makeMainWindow(commandLineFile((L"Vantry.exe \"" + path + L"\"").c_str()));
    EXPECT_EQ(window->memo().text(), L"deep");
    window->memo().replaceSelection(L"very ");
    ASSERT_TRUE(window->writeDocument(path, TextEncoding::Ansi));
    ASSERT_TRUE(window->writeDocument(deep + L"copy.nfo", TextEncoding::Utf8));
    EXPECT_TRUE(ui.messages.empty()) << narrow(ui.messages.at(0).text);
    EXPECT_EQ(fileBytes(L"\\\\?\\" + path), "very deep");
    EXPECT_EQ(fileBytes(L"\\\\?\\" + deep + L"copy.nfo"), "\xEF\xBB\xBFvery deep");
    // The deep folders go before the temporary folder does.
    for (int level = 0; level < 5; ++level) {
        DeleteFileW((L"\\\\?\\" + deep + L"deep.nfo").c_str());
        DeleteFileW((L"\\\\?\\" + deep + L"copy.nfo").c_str());
        RemoveDirectoryW((L"\\\\?\\" + deep).c_str());
        deep.resize(deep.size() - 61);
    }
}

}  // namespace
}  // namespace vantry::testing
