// What Windows users take for granted: scaling on a high-DPI screen, long paths, the
// version Explorer shows, the declarations of the manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "settings/options_dialog.h"
#include "settings/options_resources.h"
#include "shell/resource.h"
#include "test_support.h"
#include "tools/about_box.h"
#include "tools/program_info.h"
#include "tools/tool_resources.h"
#include "win/dpi.h"

namespace vantry::testing {
namespace {

std::wstring programFile(const wchar_t* name) {
    const std::wstring self = testProgramPath();
    return self.substr(0, self.rfind(L'\\') + 1) + name;
}

RECT clientRectOf(HWND control, HWND parent) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string rectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

LONG memoFontHeight(Tnfonote& window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window.memo().handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// The colour of each pixel of a window's client area as it is on the screen.
class ClientPixels {
public:
    explicit ClientPixels(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        const HDC source = GetDC(window);
        const HDC memory = CreateCompatibleDC(source);
        const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(source, width_, height_));
        const HGDIOBJ previous = SelectObject(memory, bitmap.get());
        BitBlt(memory, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        pixels_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
        GetDIBits(memory, bitmap.get(), 0, static_cast<UINT>(height_), pixels_.data(), &info, DIB_RGB_COLORS);
        DeleteDC(memory);
        ReleaseDC(window, source);
    }
    int width() const { return width_; }
    int height() const { return height_; }
    bool white(int x, int y) const {
        return (pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] & 0xFFFFFF) ==
               0xFFFFFF;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

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
    int parts[2] = {};
    SendMessageW(window->statusBar(), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    EXPECT_EQ(parts[0], 218) << "145 pixels at 96";
    EXPECT_EQ(memoFontHeight(*window), -32) << "two whole cells of the 16-pixel face, not 24";

    // The block art stays solid: two lines of four blocks, white on the background.
    HideCaret(window->memo().handle());
    UpdateWindow(window->memo().handle());
    const ClientPixels pixels(window->memo().handle());
    int left = pixels.width(), top = pixels.height();
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            if (pixels.white(x, y)) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
        }
    }
    ASSERT_LT(top, pixels.height()) << "nothing drawn";
    int gaps = 0;
    for (int y = top; y < top + 64; ++y) {
        for (int x = left; x < left + 64; ++x) gaps += pixels.white(x, y) ? 0 : 1;
    }
    EXPECT_EQ(gaps, 0) << "pixels of the background inside the blocks";
    EXPECT_FALSE(pixels.white(left + 64, top + 10)) << "four cells of 16 pixels each";
    EXPECT_FALSE(pixels.white(left + 10, top + 64)) << "two lines of 32 pixels each";

    const auto text = makeMainWindow(folder.file(L"notes.txt", "text"));
    EXPECT_EQ(memoFontHeight(*text), -20) << "Courier New's 13 pixels at 96";

    TOptions options(window->handle(), window->optionsHost());
    RECT dialogClient{};
    GetClientRect(options.handle(), &dialogClient);
    EXPECT_EQ(rectText(dialogClient), "0,0 660x741");
    EXPECT_EQ(rectText(clientRectOf(GetDlgItem(options.handle(), IDOK), options.handle())), "173,696 153x33");
    EXPECT_EQ(rectText(clientRectOf(GetDlgItem(options.handle(), IDC_CHECK_ALL), options.handle())),
              "348,179 272x42");
}

TEST(WindowsConventions, MovingToAMonitorOfAnotherDpiTakesTheSuggestedFrameAndScales) {
    CleanSettingsKey cleanKey;
    ScriptedUi ui;
    TempFolder folder;
    const auto window = makeMainWindow(folder.file(L"art.nfo", "\xDB"));
    window->show();
    ASSERT_EQ(window->dpi(), 96);
    RECT suggested{40, 30, 40 + 1000, 30 + 900};
    SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT frame{};
    GetWindowRect(window->handle(), &frame);
    EXPECT_EQ(rectText(frame), "40,30 1000x900");
    EXPECT_EQ(memoFontHeight(*window), -32);
    const RECT status = clientRectOf(window->statusBar(), window->handle());
    EXPECT_EQ(status.bottom - status.top, 38);

    TOptions options(window->handle(), window->optionsHost());
    RECT dialogFrame{};
    GetWindowRect(options.handle(), &dialogFrame);
    RECT bigger{dialogFrame.left, dialogFrame.top, dialogFrame.left + 900, dialogFrame.top + 1000};
    SendMessageW(options.handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&bigger));
    EXPECT_EQ(rectText(clientRectOf(GetDlgItem(options.handle(), IDOK), options.handle())), "230,928 204x44");
}

TEST(WindowsConventions, TheManifestDeclaresDpiAwarenessLongPathsAndTheVersion) {
    const HMODULE program = LoadLibraryExW(programFile(L"Vantry.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    const HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(program, found))),
                               SizeofResource(program, found));
    FreeLibrary(program);
    for (const char* declaration :
         {">PerMonitorV2, PerMonitor</dpiAwareness>", ">true/pm</dpiAware>", ">true</longPathAware>",
          "name=\"Vantry\" version=\"1.51.0.0\"", "level=\"asInvoker\""}) {
        EXPECT_NE(manifest.find(declaration), std::string::npos) << declaration;
    }
}

TEST(WindowsConventions, ExplorerShowsTheVersionTheAboutBoxShows) {
    const std::wstring program = programFile(L"Vantry.exe");
    DWORD ignored = 0;
    std::vector<BYTE> data(GetFileVersionInfoSizeW(program.c_str(), &ignored));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(data.size()), data.data()));
    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        return VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) && value
                   ? std::wstring(value)
                   : std::wstring(L"<missing>");
    };
    Tabout about(nullptr);
    wchar_t shown[128] = {};
    GetDlgItemTextW(about.handle(), IDC_ABOUT_PRODUCT, shown, 128);
    EXPECT_EQ(std::wstring(shown), L"Vantry " + text(L"ProductVersion"));
    EXPECT_EQ(text(L"FileVersion"), text(L"ProductVersion"));
    EXPECT_EQ(text(L"ProductName"), L"Vantry");
    EXPECT_NE(text(L"LegalCopyright").find(L"2026"), std::wstring::npos);
    EXPECT_NE(text(L"FileDescription"), L"<missing>");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(std::to_wstring(HIWORD(fixed->dwProductVersionMS)) + L"." + std::to_wstring(LOWORD(fixed->dwProductVersionMS)),
              text(L"ProductVersion"));
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
    const auto window = makeMainWindow(path);
    EXPECT_EQ(window->memo().text(), L"deep");
    EXPECT_EQ(window->document().fileName, path);
    window->replaceSelection(L"very ");
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
