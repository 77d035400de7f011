// The real program, started as a user starts it, driven from this process.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "settings/options_resources.h"
#include "shell/resource.h"
#include "tools/tool_resources.h"

namespace {

constexpr DWORD kPollLimitMs = 30000;

std::wstring programFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

std::wstring readSetting(const wchar_t* name) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vantry", name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS) {
        return L"<missing>";
    }
    return buffer;
}

struct TopLevel {
    HWND window;
    DWORD process;
    std::wstring className;
};

std::vector<TopLevel> topLevelWindows() {
    std::vector<TopLevel> windows;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            reinterpret_cast<std::vector<TopLevel>*>(found)->push_back({window, process, name});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The process's visible top-level window of a class, if it has one.
HWND visibleWindowOfClass(DWORD process, const wchar_t* className) {
    for (const TopLevel& window : topLevelWindows()) {
        if (window.process == process && window.className == className && IsWindowVisible(window.window)) {
            return window.window;
        }
    }
    return nullptr;
}

// A file in the temporary folder with the given bytes.
std::wstring temporaryFile(const wchar_t* name, std::string_view bytes) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + name;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

// Polls until the condition holds or the limit passes.
template <typename Condition>
bool waitFor(Condition condition) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kPollLimitMs) {
        if (condition()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return condition();
}

// A command line as it stands, as the shell runs a stored command.
struct CommandLine {
    std::wstring text;
};

class RunningVantry {
public:
    explicit RunningVantry(const std::wstring& arguments = L"")
        : RunningVantry(CommandLine{L"\"" + programFolder() + L"Vantry.exe\" " + arguments}) {}
    explicit RunningVantry(CommandLine command) {
        std::wstring commandLine = std::move(command.text);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &info) != FALSE;
        if (!started_) return;
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
        CloseHandle(info.hThread);
        waitFor([this] { return (main_ = mainWindowOf(processId_)) != nullptr; });
    }
    ~RunningVantry() {
        if (!process_) return;
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            close();
            if (WaitForSingleObject(process_, 10000) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
        }
        CloseHandle(process_);
    }

    static HWND mainWindowOf(DWORD process) { return visibleWindowOfClass(process, L"Vantry.Main"); }

    HWND main() const { return main_; }
    DWORD processId() const { return processId_; }
    void close() { PostMessageW(main_, WM_CLOSE, 0, 0); }
    // Gives a menu command and waits for the window of the class it shows.
    HWND showByCommand(int command, const wchar_t* className) {
        PostMessageW(main_, WM_COMMAND, static_cast<WPARAM>(command), 0);
        HWND shown = nullptr;
        waitFor([&] { return (shown = visibleWindowOfClass(processId_, className)) != nullptr; });
        return shown;
    }
    bool exitedCleanly() {
        DWORD code = 1;
        return WaitForSingleObject(process_, kPollLimitMs) == WAIT_OBJECT_0 && GetExitCodeProcess(process_, &code) &&
               code == 0;
    }

private:
    bool started_ = false;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
};

RECT boundsOf(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds;
}

TEST(EndToEnd, StartsWithEightWindowsAndOnlyTheMainOneShowing) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vantry");
    RunningVantry vantry;
    ASSERT_NE(vantry.main(), nullptr);
    std::set<std::wstring> classes;
    int visible = 0;
    for (const TopLevel& window : topLevelWindows()) {
        if (window.process != vantry.processId() || window.className.rfind(L"Vantry.", 0) != 0) continue;
        classes.insert(window.className);
        visible += IsWindowVisible(window.window) ? 1 : 0;
    }
    EXPECT_EQ(classes.size(), 8u);
    EXPECT_EQ(visible, 1);
    const RECT bounds = boundsOf(vantry.main());
    EXPECT_EQ(bounds.left, 28);
    EXPECT_EQ(bounds.top, 5);
    EXPECT_EQ(bounds.right - bounds.left, 836);
    EXPECT_EQ(bounds.bottom - bounds.top, 702);
    vantry.close();
    EXPECT_TRUE(vantry.exitedCleanly());
}

TEST(EndToEnd, OpensTheCommandLineFileAndShowsItsName) {
    RunningVantry vantry(L"\"" + programFolder() + L"readme.nfo\" second-argument-ignored");
    ASSERT_NE(vantry.main(), nullptr);
    wchar_t caption[256] = {};
    EXPECT_TRUE(waitFor([&] {
        GetWindowTextW(vantry.main(), caption, 256);
        return std::wstring(caption) == L"readme.nfo - Vantry";
    })) << "caption stayed as it was";
}

TEST(EndToEnd, PlacementSurvivesARestartIncludingMaximized) {
    {
        RunningVantry vantry;
        ASSERT_NE(vantry.main(), nullptr);
        SetWindowPos(vantry.main(), nullptr, 120, 90, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);
        vantry.close();
        ASSERT_TRUE(vantry.exitedCleanly());
    }
    EXPECT_EQ(readSetting(L"windowPosX"), L"120");
    EXPECT_EQ(readSetting(L"windowHeight"), L"480");
    {
        RunningVantry vantry;
        ASSERT_NE(vantry.main(), nullptr);
        const RECT bounds = boundsOf(vantry.main());
        EXPECT_EQ(bounds.left, 120);
        EXPECT_EQ(bounds.top, 90);
        EXPECT_EQ(bounds.right - bounds.left, 640);
        EXPECT_EQ(bounds.bottom - bounds.top, 480);
        ShowWindow(vantry.main(), SW_MAXIMIZE);
        ASSERT_TRUE(waitFor([&] { return IsZoomed(vantry.main()) != FALSE; }));
        vantry.close();
        ASSERT_TRUE(vantry.exitedCleanly());
    }
    EXPECT_EQ(readSetting(L"windowIsMaximized"), L"1");
    EXPECT_EQ(readSetting(L"windowPosX"), L"120");
    {
        RunningVantry vantry;
        ASSERT_NE(vantry.main(), nullptr);
        EXPECT_TRUE(waitFor([&] { return IsZoomed(vantry.main()) != FALSE; }));
        ShowWindow(vantry.main(), SW_RESTORE);
        EXPECT_TRUE(waitFor([&] { return boundsOf(vantry.main()).left == 120; }));
    }
}

struct ViewState {
    bool topmost;
    bool wrapping;
    bool statusBar;
    bool operator==(const ViewState&) const = default;
};

ViewState viewStateOf(HWND main) {
    const HWND memo = FindWindowExW(main, nullptr, L"Edit", nullptr);
    const HWND status = FindWindowExW(main, nullptr, L"msctls_statusbar32", nullptr);
    return {(GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
            (GetWindowLongPtrW(memo, GWL_STYLE) & WS_HSCROLL) == 0,
            (GetWindowLongPtrW(status, GWL_STYLE) & WS_VISIBLE) != 0};
}

TEST(EndToEnd, SwitchesSurviveARestart) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vantry");
    const ViewState switched{true, true, false};
    {
        RunningVantry vantry;
        ASSERT_NE(vantry.main(), nullptr);
        EXPECT_EQ(viewStateOf(vantry.main()), (ViewState{false, false, true}));
        for (int command : {IDM_ALWAYS_ON_TOP, IDM_WORD_WRAP, IDM_STATUS_BAR}) {
            PostMessageW(vantry.main(), WM_COMMAND, static_cast<WPARAM>(command), 0);
        }
        EXPECT_TRUE(waitFor([&] { return viewStateOf(vantry.main()) == switched; }));
        vantry.close();
        ASSERT_TRUE(vantry.exitedCleanly());
    }
    EXPECT_EQ(readSetting(L"alwaysOnTop"), L"1");
    EXPECT_EQ(readSetting(L"wordWrap"), L"1");
    EXPECT_EQ(readSetting(L"showStatusBar"), L"0");
    RunningVantry again;
    ASSERT_NE(again.main(), nullptr);
    EXPECT_EQ(viewStateOf(again.main()), switched);
}

TEST(EndToEnd, NewWindowStartsASecondInstance) {
    RunningVantry first;
    ASSERT_NE(first.main(), nullptr);
    PostMessageW(first.main(), WM_COMMAND, IDM_NEW_WINDOW, 0);
    DWORD secondProcess = 0;
    ASSERT_TRUE(waitFor([&] {
        for (const TopLevel& window : topLevelWindows()) {
            if (window.className == L"Vantry.Main" && window.process != first.processId() &&
                IsWindowVisible(window.window)) {
                secondProcess = window.process;
                return true;
            }
        }
        return false;
    }));
    const HWND second = RunningVantry::mainWindowOf(secondProcess);
    wchar_t caption[64] = {};
    GetWindowTextW(second, caption, 64);
    EXPECT_STREQ(caption, L"Vantry");
    PostMessageW(second, WM_CLOSE, 0, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(second); }));
    EXPECT_TRUE(IsWindow(first.main())) << "the first instance keeps running";
}

// A visible dialog of the process (a file dialog or a message box).
HWND dialogOf(DWORD process) { return visibleWindowOfClass(process, L"#32770"); }

HWND descendantWithId(HWND parent, int id) {
    struct Search { int id; HWND found; } search{id, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(child) != s->id) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string fileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(4096, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

TEST(EndToEnd, SavesThroughTheRealSaveDialogAndAsksBeforeClosingOnUnsavedChanges) {
    constexpr int kFileNameCombo = 0x47C, kFileNameEdit = 0x480, kUtf8Entry = 2;
    const std::wstring notes = temporaryFile(L"vantry-e2e-notes.txt", "abc");
    const std::wstring saved = notes.substr(0, notes.rfind(L'\\') + 1) + L"vantry-e2e-saved.nfo";
    DeleteFileW(saved.c_str());
    RunningVantry vantry(L"\"" + notes + L"\"");
    ASSERT_NE(vantry.main(), nullptr);
    const HWND memo = FindWindowExW(vantry.main(), nullptr, L"Edit", nullptr);
    PostMessageW(memo, WM_CHAR, L'X', 0);

    const HWND dialog = vantry.showByCommand(IDM_SAVE_AS, L"#32770");
    ASSERT_NE(dialog, nullptr);
    HWND name = descendantWithId(dialog, kFileNameCombo);
    if (!name) name = descendantWithId(dialog, kFileNameEdit);
    const HWND encoding = descendantWithId(dialog, IDC_ENCODING_LIST);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(encoding, nullptr);
    wchar_t shownName[MAX_PATH] = {};
    GetWindowTextW(name, shownName, MAX_PATH);
    EXPECT_STREQ(shownName, L"") << "the file name box is emptied before every showing";
    EXPECT_EQ(SendMessageW(encoding, CB_GETCOUNT, 0, 0), 5);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(saved.c_str()));
    SendMessageW(encoding, CB_SETCURSEL, kUtf8Entry, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitFor([&] { return fileBytes(saved) == "\xEF\xBB\xBFXabc"; })) << fileBytes(saved);
    wchar_t caption[256] = {};
    EXPECT_TRUE(waitFor([&] {
        GetWindowTextW(vantry.main(), caption, 256);
        return std::wstring(caption) == L"vantry-e2e-saved.nfo - Vantry";
    }));
    EXPECT_TRUE(waitFor([&] { return readSetting(L"recentFile01") == saved; }));

    PostMessageW(memo, WM_CHAR, L'Y', 0);
    PostMessageW(vantry.main(), WM_COMMAND, IDM_SAVE, 0);
    EXPECT_TRUE(waitFor([&] { return fileBytes(saved) == "\xEF\xBB\xBFXYabc"; })) << "Save keeps Save As's encoding";

    PostMessageW(memo, WM_CHAR, L'Z', 0);
    vantry.close();
    HWND question = nullptr;
    ASSERT_TRUE(waitFor([&] { return (question = dialogOf(vantry.processId())) != nullptr; }));
    wchar_t questionCaption[64] = {};
    GetWindowTextW(question, questionCaption, 64);
    EXPECT_STREQ(questionCaption, L"Vantry");
    PostMessageW(question, WM_COMMAND, IDNO, 0);
    EXPECT_TRUE(vantry.exitedCleanly());
    EXPECT_EQ(fileBytes(saved), "\xEF\xBB\xBFXYabc") << "No drops the change";
    DeleteFileW(saved.c_str());
    DeleteFileW(notes.c_str());
}

TEST(EndToEnd, TheOpenDialogKeepsAnEncodingChosenBeforeCancel) {
    constexpr int kUtf16LEEntry = 3;
    RunningVantry vantry;
    ASSERT_NE(vantry.main(), nullptr);
    HWND dialog = nullptr;
    HWND encoding = nullptr;
    const auto showOpenDialog = [&] {
        dialog = vantry.showByCommand(IDM_OPEN, L"#32770");
        return dialog && (encoding = descendantWithId(dialog, IDC_ENCODING_LIST)) != nullptr;
    };
    ASSERT_TRUE(showOpenDialog());
    EXPECT_EQ(SendMessageW(encoding, CB_GETCURSEL, 0, 0), 0);
    SendMessageW(encoding, CB_SETCURSEL, kUtf16LEEntry, 0);  // as a user's choice: selection, then notice
    SendMessageW(GetParent(encoding), WM_COMMAND, MAKEWPARAM(IDC_ENCODING_LIST, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(encoding));
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    const HWND cancelled = dialog;
    ASSERT_TRUE(waitFor([&] { return !IsWindow(cancelled); }));

    ASSERT_TRUE(showOpenDialog());
    EXPECT_EQ(SendMessageW(encoding, CB_GETCURSEL, 0, 0), kUtf16LEEntry);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    const HWND last = dialog;
    EXPECT_TRUE(waitFor([&] { return !IsWindow(last); }));
}


// Enter in a dialog's field, as the keyboard delivers it: down and up through the queue.
void pressEnterIn(HWND field) {
    PostMessageW(field, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(field, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
}

TEST(EndToEnd, FindsWithEnterInTheFindWindowAndGoesToALine) {
    const std::wstring path =
        temporaryFile(L"vantry-e2e-find.txt", "first line\r\nsecond needle\r\nthird line\r\n");
    RunningVantry vantry(L"\"" + path + L"\"");
    ASSERT_NE(vantry.main(), nullptr);
    const HWND memo = FindWindowExW(vantry.main(), nullptr, L"Edit", nullptr);
    const auto selection = [memo] { return static_cast<DWORD>(SendMessageW(memo, EM_GETSEL, 0, 0)); };

    const HWND find = vantry.showByCommand(IDM_FIND, L"Vantry.Find");
    ASSERT_NE(find, nullptr);
    const HWND field = descendantWithId(find, IDC_FIND_TEXT);
    ASSERT_NE(field, nullptr);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"needle"));
    pressEnterIn(field);
    EXPECT_TRUE(waitFor([&] { return selection() == MAKELONG(19, 25); })) << std::hex << selection();

    PostMessageW(find, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(waitFor([&] { return !IsWindowVisible(find); }));
    const HWND go = vantry.showByCommand(IDM_GOTO, L"Vantry.Goto");
    ASSERT_NE(go, nullptr);
    const HWND line = descendantWithId(go, IDC_GOTO_LINE);
    ASSERT_NE(line, nullptr);
    SendMessageW(line, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"3"));
    pressEnterIn(line);
    EXPECT_TRUE(waitFor([&] { return selection() == MAKELONG(27, 27); })) << std::hex << selection();
    vantry.close();
    EXPECT_TRUE(vantry.exitedCleanly());
    DeleteFileW(path.c_str());
}

std::wstring classesValue(const wchar_t* key) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    const std::wstring path = std::wstring(L"Software\\Classes\\") + key;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), L"", RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) {
        return L"<missing>";
    }
    return buffer;
}

TEST(EndToEnd, OptionsSurviveARestartAndAnAssociatedFileOpensByTheStoredCommand) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vantry");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\.nfo");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\Vantry");
    {
        RunningVantry vantry;
        ASSERT_NE(vantry.main(), nullptr);
        const HWND options = vantry.showByCommand(IDM_OPTIONS, L"Vantry.Options");
        ASSERT_NE(options, nullptr);
        SendMessageW(GetDlgItem(options, IDC_RECENT_FILES_COMBO), CB_SETCURSEL, 3, 0);
        PostMessageW(GetDlgItem(options, IDC_BTN_NFO), BM_CLICK, 0, 0);
        EXPECT_TRUE(waitFor([] { return classesValue(L".nfo") == L"Vantry"; }));
        PostMessageW(options, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(waitFor([] { return readSetting(L"recentFileCount") == L"3"; }));
        vantry.close();
        EXPECT_TRUE(vantry.exitedCleanly());
    }
    {
        RunningVantry restarted;
        ASSERT_NE(restarted.main(), nullptr);
        const HWND options = restarted.showByCommand(IDM_OPTIONS, L"Vantry.Options");
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(SendMessageW(GetDlgItem(options, IDC_RECENT_FILES_COMBO), CB_GETCURSEL, 0, 0), 3);
        PostMessageW(options, WM_COMMAND, IDCANCEL, 0);
        restarted.close();
        EXPECT_TRUE(restarted.exitedCleanly());
    }

    // As the shell does: the stored command with %1 replaced by the file's path.
    const std::wstring art = temporaryFile(L"vantry e2e art.nfo", "\xDB\xDB");
    std::wstring command = classesValue(L"Vantry\\Shell\\Open\\Command");
    const size_t placeholder = command.find(L"%1");
    ASSERT_NE(placeholder, std::wstring::npos) << command.c_str();
    command.replace(placeholder, 2, art);
    RunningVantry opened(CommandLine{command});
    ASSERT_NE(opened.main(), nullptr);
    wchar_t caption[256] = {};
    EXPECT_TRUE(waitFor([&] {
        GetWindowTextW(opened.main(), caption, 256);
        return std::wstring(caption) == L"vantry e2e art.nfo - Vantry";
    })) << "caption: " << std::string(caption, caption + wcslen(caption));
    opened.close();
    EXPECT_TRUE(opened.exitedCleanly());
    DeleteFileW(art.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\.nfo");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\Vantry");
}

std::wstring windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

TEST(EndToEnd, WithNoPrinterPrintingAsksFirstAndNoStopsIt) {
    // CTest points these tests at a CUPS server that is not there, so Wine lists no
    // printer to the program (nor to this process).
    DWORD needed = 0, count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    ASSERT_EQ(needed, 0u) << "a printer is listed: run through CTest, which sets CUPS_SERVER";
    RunningVantry vantry;
    ASSERT_NE(vantry.main(), nullptr);
    for (const int answer : {IDNO, IDYES}) {
        const HWND question = vantry.showByCommand(IDM_PRINT, L"#32770");
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(windowText(question), L"Confirm");
        EXPECT_EQ(windowText(descendantWithId(question, 0xFFFF)), L"No default printer found, try to print anyway?");
        PostMessageW(question, WM_COMMAND, answer, 0);
        ASSERT_TRUE(waitFor([&] { return !IsWindow(question) || !IsWindowVisible(question); }));
        if (answer == IDNO) {
            // Once the about box shows, the print command has ended.
            const HWND about = vantry.showByCommand(IDM_ABOUT, L"Vantry.About");
            ASSERT_NE(about, nullptr);
            EXPECT_EQ(dialogOf(vantry.processId()), nullptr) << "No shows nothing more";
            PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
            ASSERT_TRUE(waitFor([&] { return !IsWindowVisible(about); }));
        } else {
            HWND next = nullptr;
            ASSERT_TRUE(waitFor([&] { return (next = dialogOf(vantry.processId())) != nullptr; }))
                << "Yes goes on to the print dialog";
            PostMessageW(next, WM_COMMAND, IDCANCEL, 0);
            EXPECT_TRUE(waitFor([&] { return dialogOf(vantry.processId()) == nullptr; }));
        }
    }
    vantry.close();
    EXPECT_TRUE(vantry.exitedCleanly());
}

}  // namespace
