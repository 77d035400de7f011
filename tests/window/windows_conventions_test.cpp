// What Windows users take for granted: scaling on a high-DPI screen, long paths, the
// version Explorer shows, the declarations of the manifest.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/paths.h"
#include "documents/file_info_dialog.h"
#include "documents/file_info_resources.h"
#include "settings/options_dialog.h"
#include "settings/portable/options_resources.h"
#include "shell/application.h"
#include "shell/resource.h"
#include "tools/about_box.h"
#include "tools/find_window.h"
#include "tools/goto_dialog.h"
#include "tools/message_dialog.h"
#include "tools/readme_viewer.h"
#include "tools/tool_resources.h"
#include "test_support.h"
#include "win/dpi.h"

namespace vantry::testing {
namespace {

using HighDpiTest = WindowTest;

// The fixture's window is a first start, without a stored size: it is as large on the
// screen as at 100 %, inside the work area, and a stored size stays as stored. The status
// bar, the fonts, Options and the find window are laid out for the screen.
TEST_F(HighDpiTest, TheWindowsAreLaidOutAndTheFontsSizedForTheScreen) {
    ASSERT_EQ(windowDpi(window->handle()), 144) << "run in the prefix of 144 dots per inch";
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window->handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT bounds{};
    GetWindowRect(window->handle(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 836 * 3 / 2);
    EXPECT_EQ(bounds.bottom - bounds.top, std::min<LONG>(702 * 3 / 2, monitor.rcWork.bottom - monitor.rcWork.top));
    RECT inside{};
    IntersectRect(&inside, &bounds, &monitor.rcWork);
    EXPECT_TRUE(EqualRect(&inside, &bounds)) << rectText(bounds);

    open("\xDB\xDB\xDB\xDB\r\n\xDB\xDB\xDB\xDB\r\n", L"art.nfo");
    window->show();
    RECT client{};
    GetClientRect(window->handle(), &client);
    const RECT status = clientRectOf(window->statusBar(), window->handle());
    EXPECT_EQ(status.bottom - status.top, 29) << "19 pixels at 96";
    EXPECT_EQ(clientRectOf(window->memo().handle(), window->handle()).bottom, client.bottom - 29);
    EXPECT_EQ(logFontOf(window->memo().handle()).lfHeight, -32) << "two whole cells of the 16-pixel face, not 24";
    open("text", L"notes.txt");
    EXPECT_EQ(logFontOf(window->memo().handle()).lfHeight, -20) << "Courier New's 13 pixels at 96";
    TOptions options(window->handle(), *window);
    EXPECT_EQ(rectText(clientRectOf(GetDlgItem(options.handle(), IDOK), options.handle())), "173,696 153x33");
    TMyFind find(window->handle(), *window);
    EXPECT_EQ(findWindowLayoutFaults(find), std::vector<std::string>{});

    writeValue(L"windowWidth", L"500");
    writeValue(L"windowHeight", L"400");
    const auto stored = makeMainWindow();
    GetWindowRect(stored->handle(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 500);
    EXPECT_EQ(bounds.bottom - bounds.top, 400);
}

// Wherever the main window stands, even partly off the screen, each window it opens
// opens inside the work area of the main window's monitor, its caption within reach.
TEST_F(HighDpiTest, EverySecondaryWindowOpensInsideTheWorkArea) {
    open("text");
    ASSERT_EQ(windowDpi(window->handle()), 144);
    const HWND owner = window->handle();
    ShowWindow(owner, SW_SHOWNOACTIVATE);
    command(IDM_ALLOW_CHANGES);  // Delete line then opens the message window
    ASSERT_TRUE(window->memo().readOnly());
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    for (const RECT placed : {RECT{1000, 850, 1500, 1090}, RECT{0, 0, 500, 240}}) {
        SetWindowPos(owner, nullptr, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
        // Made where the main window stands, as the program makes them when first needed.
        Tabout about(owner);
        TOptions options(owner, *window);
        TMyFind find(owner, *window);
        TGoto goTo(owner, [](const std::wstring&) {});
        TReadMe readMe(owner, directoryOf(testProgramPath()));
        TmessageDialog message(owner);
        TFileInfoDialog fileInfo(owner);
        window->attachToolWindows({.about = &about,
                                   .options = &options,
                                   .find = &find,
                                   .goTo = &goTo,
                                   .readMe = &readMe,
                                   .message = &message,
                                   .fileInfo = &fileInfo});
        struct Opening {
            const char* what;
            Dialog& shown;
            int command;
        };
        const Opening openings[] = {
            {"options", options, IDM_OPTIONS},
            {"about", about, IDM_ABOUT},
            {"go to", goTo, IDM_GOTO},
            {"readme", readMe, IDM_README},
            {"file information", fileInfo, IDM_FILE_INFORMATION},
            {"find", find, IDM_FIND},
            {"replace", find, IDM_REPLACE},
            {"message", message, IDM_DELETE_LINE},
        };
        for (const Opening& opening : openings) {
            PostMessageW(opening.shown.handle(), WM_COMMAND, IDCANCEL, 0);  // ends a modal one
            command(opening.command);
            pumpMessages();
            RECT bounds{}, inside{};
            GetWindowRect(opening.shown.handle(), &bounds);
            IntersectRect(&inside, &bounds, &monitor.rcWork);
            EXPECT_TRUE(EqualRect(&inside, &bounds))
                << opening.what << " at " << rectText(bounds) << ", work area " << rectText(monitor.rcWork);
        }
        window->attachToolWindows({});
    }
}

std::wstring classOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

// The character after a single '&' of a control's text, upper-cased; 0 for none (or for a
// text shown as it is).
wchar_t accessKey(HWND control) {
    if (classOf(control) == L"Static" && (GetWindowLongPtrW(control, GWL_STYLE) & SS_NOPREFIX)) return 0;
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    for (const wchar_t* c = text; *c; ++c) {
        if (*c != L'&') continue;
        if (c[1] != L'&') {
            wchar_t key[2] = {c[1], 0};
            CharUpperW(key);
            return key[0];
        }
        ++c;  // "&&" shows one '&'
    }
    return 0;
}

// What keyboard users miss in a window: a button or check box without an access key, a
// radio group whose frame has none, a field without a label that has one (or a cue
// banner), and an access key used twice.
std::vector<std::string> accessKeyFaults(HWND window) {
    std::vector<std::string> faults;
    std::wstring used;
    HWND previous = nullptr, frame = nullptr;
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const std::wstring kind = classOf(control);
        const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
        const wchar_t key = accessKey(control);
        const std::string name = "#" + std::to_string(GetDlgCtrlID(control));
        if (key && used.find(key) != std::wstring::npos) faults.push_back(name + " repeats " + narrow({key}));
        if (key) used += key;
        if (kind == L"Button" && type == BS_GROUPBOX) frame = control;
        const bool radio = kind == L"Button" && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
        const bool button = kind == L"Button" && type != BS_GROUPBOX && !radio;
        if (button && !key) faults.push_back(name + " has no access key");
        if (radio && !(frame && accessKey(frame))) faults.push_back(name + " is in a group without an access key");
        if (kind == L"Edit" || kind == L"ComboBox") {
            wchar_t banner[64] = {};
            SendMessageW(control, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(banner), 64);
            const bool labelled = previous && classOf(previous) == L"Static" && accessKey(previous);
            if (!labelled && (kind != L"Edit" || !banner[0]))
                faults.push_back(name + " has no label with an access key");
        }
        previous = control;
    }
    return faults;
}

using WindowsConventions = WindowTest;

TEST_F(WindowsConventions, EveryDialogCanBeWorkedWithAccessKeys) {
    const HWND owner = window->handle();
    const TOptions options(owner, *window);
    const TMyFind find(owner, *window);
    TGoto goTo(owner, [](const std::wstring&) {});
    PostMessageW(goTo.handle(), WM_COMMAND, IDCANCEL, 0);
    goTo.askLineNumber(12);  // names the field
    const TmessageDialog message(owner);
    const TFileInfoDialog fileInfo(owner);
    const Tabout about(owner);
    const std::pair<const char*, HWND> dialogs[] = {{"options", options.handle()},
                                                    {"find", find.handle()},
                                                    {"go to", goTo.handle()},
                                                    {"message", message.handle()},
                                                    {"file information", fileInfo.handle()},
                                                    {"about", about.handle()}};
    for (const auto& [what, dialog] : dialogs) EXPECT_EQ(accessKeyFaults(dialog), std::vector<std::string>{}) << what;
}

TEST_F(WindowsConventions, AFileDeeperThanMaxPathOpensAndSaves) {
    std::wstring deep = folder.folder();
    for (int level = 0; level < 5; ++level) {
        deep += std::wstring(60, static_cast<wchar_t>(L'a' + level)) + L"\\";
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr)) << level;
    }
    const std::wstring path = deep + L"deep.nfo";
    ASSERT_GT(path.size(), 300u);
    {
        const UniqueFileHandle file(
            CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
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
    const auto edited = makeMainWindow(commandLineFile((L"Vantry.exe \"" + path + L"\"").c_str()));
    EXPECT_EQ(edited->memo().text(), L"deep");
    edited->memo().replaceSelection(L"very ");
    ASSERT_TRUE(edited->writeDocument(path, TextEncoding::Ansi));
    ASSERT_TRUE(edited->writeDocument(deep + L"copy.nfo", TextEncoding::Utf8));
    EXPECT_TRUE(ui.messages.empty()) << narrow(ui.messages.at(0).text);
    EXPECT_EQ(fileBytes(L"\\\\?\\" + path), "very deep");
    EXPECT_EQ(fileBytes(L"\\\\?\\" + deep + L"copy.nfo"), "\xEF\xBB\xBFvery deep");
}

}  // namespace
}  // namespace vantry::testing
