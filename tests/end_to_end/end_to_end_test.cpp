// The real program, started as a user starts it, driven from this process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "documents/portable/text_encoding.h"
#include "shell/resource.h"

namespace {

std::wstring windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// The process's visible top-level window of a class, if it has one.
HWND visibleWindowOfClass(DWORD process, const std::wstring& className) {
    struct Search {
        DWORD process;
        std::wstring className;
        HWND found;
    } search{process, className, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == s.process && name == s.className && IsWindowVisible(window)) s.found = window;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND descendantWithId(HWND parent, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(child) == s->id) s->found = child;
            return s->found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Polls until the condition holds or 30 seconds pass.
template <typename Condition>
bool waitFor(Condition condition) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 30000;) {
        if (condition()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return condition();
}

std::string fileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    std::string bytes(4096, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes.substr(0, read);
}

// Vantry.exe, beside this test, started with `arguments`; closed, or ended, at the end.
class RunningVantry {
public:
    explicit RunningVantry(const std::wstring& arguments) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const std::wstring folder = std::wstring(self).substr(0, std::wstring(self).rfind(L'\\') + 1);
        std::wstring commandLine = L"\"" + folder + L"Vantry.exe\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info_))
            return;
        CloseHandle(info_.hThread);
        waitFor([this] { return (main_ = visibleWindowOfClass(info_.dwProcessId, L"Vantry.Main")) != nullptr; });
    }
    ~RunningVantry() {
        if (main_ && IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
        if (info_.hProcess && WaitForSingleObject(info_.hProcess, 10000) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 1);
        if (info_.hProcess) CloseHandle(info_.hProcess);
    }

    HWND main() const { return main_; }
    // A visible window of the class the program shows, once it shows it.
    HWND shown(const wchar_t* className) {
        HWND found = nullptr;
        waitFor([&] { return (found = visibleWindowOfClass(info_.dwProcessId, className)) != nullptr; });
        return found;
    }
    bool exitedCleanly() {
        DWORD code = 1;
        return WaitForSingleObject(info_.hProcess, 30000) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(info_.hProcess, &code) && code == 0;
    }

private:
    PROCESS_INFORMATION info_{};
    HWND main_ = nullptr;
};

// The program's settings in the tests' prefix, cleared before and after: a stored
// "askToSave" of 0, or a remembered encoding, would change what the user meets.
struct FreshSettings {
    FreshSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vantry"); }
    ~FreshSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vantry"); }
    FreshSettings(const FreshSettings&) = delete;
    FreshSettings& operator=(const FreshSettings&) = delete;
};

TEST(EndToEnd, SavesThroughTheRealSaveDialogAndAsksBeforeClosingOnUnsavedChanges) {
    const FreshSettings settings;
    constexpr int kFileNameCombo = 0x47C, kFileNameEdit = 0x480, kUtf8Entry = 2;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring notes = std::wstring(temp) + L"vantry e2e notes.txt",
                       saved = std::wstring(temp) + L"vantry-e2e-saved.nfo";
    const HANDLE file = CreateFileW(notes.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "abc", 3, &written, nullptr);
    CloseHandle(file);
    DeleteFileW(saved.c_str());
    RunningVantry vantry(L"\"" + notes + L"\" second-argument-ignored");
    ASSERT_NE(vantry.main(), nullptr);
    EXPECT_TRUE(waitFor([&] { return windowText(vantry.main()) == L"vantry e2e notes.txt - Vantry"; }));
    const HWND memo = FindWindowExW(vantry.main(), nullptr, L"Edit", nullptr);
    PostMessageW(memo, WM_CHAR, L'X', 0);

    PostMessageW(vantry.main(), WM_COMMAND, IDM_SAVE_AS, 0);
    const HWND dialog = vantry.shown(L"#32770");
    ASSERT_NE(dialog, nullptr);
    HWND name = descendantWithId(dialog, kFileNameCombo);
    if (!name) name = descendantWithId(dialog, kFileNameEdit);
    const HWND encoding = descendantWithId(dialog, IDC_ENCODING_LIST);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(encoding, nullptr);
    EXPECT_EQ(windowText(name), L"") << "the file name box is emptied before every showing";
    EXPECT_EQ(SendMessageW(encoding, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(vantry::kEncodingListEntries.size()));
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(saved.c_str()));
    SendMessageW(encoding, CB_SETCURSEL, kUtf8Entry, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitFor([&] { return fileBytes(saved) == "\xEF\xBB\xBFXabc"; })) << fileBytes(saved);
    EXPECT_TRUE(waitFor([&] { return windowText(vantry.main()) == L"vantry-e2e-saved.nfo - Vantry"; }));

    PostMessageW(memo, WM_CHAR, L'Y', 0);
    PostMessageW(vantry.main(), WM_COMMAND, IDM_SAVE, 0);
    EXPECT_TRUE(waitFor([&] { return fileBytes(saved) == "\xEF\xBB\xBFXYabc"; })) << "Save keeps Save As's encoding";

    PostMessageW(memo, WM_CHAR, L'Z', 0);
    PostMessageW(vantry.main(), WM_CLOSE, 0, 0);
    const HWND question = vantry.shown(L"#32770");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(windowText(question), L"Vantry");
    PostMessageW(question, WM_COMMAND, IDNO, 0);
    EXPECT_TRUE(vantry.exitedCleanly());
    EXPECT_EQ(fileBytes(saved), "\xEF\xBB\xBFXYabc") << "No drops the change";
    DeleteFileW(saved.c_str());
    DeleteFileW(notes.c_str());
}

}  // namespace
