// Starts Vantry or Wine's notepad on a file, waits until the document is shown, then
// gives one command from outside as a user would (keys, and the find window's fields
// and buttons) and reports how long it took until its effect showed, and the process's
// peak working set. Every wait is a bounded poll.
//
// Usage: command_timer vantry|notepad PROGRAM FILE ACTION [ARGUMENTS]
//   open                      from the start of the process until the caption names
//                             the file and the window answers
//   save                      Ctrl+S until the file on disk is new and the window answers
//   find TEXT                 the find window's Find (Find Next) until the selection moved
//   replaceall FIND WITH HITS the replace window's Replace All until the text is
//                             HITS * (length of FIND - length of WITH) shorter
// Prints "SECONDS s  PEAK MB", or "failed: WHY" and exits with 1.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kPollMilliseconds = 5;
constexpr DWORD kLongest = 600000;  // ten minutes for any one wait
HANDLE gProcess = nullptr;          // the program measured: a wait ends when it ends

// The program's own names and ids: the caption's ending, the keys that open the find
// and replace windows, and the ids of the fields and buttons in them.
struct Program {
    const wchar_t* captionSuffix;
    WORD replaceKey;  // with Ctrl
    int findText, replaceText, findButton, replaceAllButton;
};
constexpr Program kVantry{L" - Vantry", 'R', 252, 254, 253, 256};
// notepad's find and replace windows are the system's: edt1, edt2, IDOK, psh2.
constexpr Program kNotepad{L" - Notepad", 'H', 0x480, 0x481, IDOK, 0x401};

class Clock {
public:
    Clock() { restart(); }
    void restart() { QueryPerformanceCounter(&start_); }
    double seconds() const {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return double(now.QuadPart - start_.QuadPart) / double(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start_{};
};

// Polls `done` every few milliseconds for at most `limit` milliseconds.
template <class Done>
bool waitFor(Done done, DWORD limit = kLongest) {
    const ULONGLONG end = GetTickCount64() + limit;
    while (!done()) {
        if (GetTickCount64() > end) return false;
        if (gProcess && WaitForSingleObject(gProcess, 0) == WAIT_OBJECT_0) return false;
        Sleep(kPollMilliseconds);
    }
    return true;
}

// The process's visible top-level windows.
std::vector<HWND> windowsOf(DWORD process) {
    struct Found {
        DWORD process;
        std::vector<HWND> windows;
    } found{process, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* f = reinterpret_cast<Found*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == f->process && IsWindowVisible(window)) f->windows.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

std::wstring textOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// Waits until the window has handled everything sent before.
bool answers(HWND window) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kLongest, &answer) != 0;
}

LRESULT ask(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, message, w, l, SMTO_NORMAL | SMTO_ABORTIFHUNG, kLongest, &answer);
    return static_cast<LRESULT>(answer);
}

// Presses Ctrl+key (or key alone) in the window, which is made the foreground first.
bool press(HWND window, WORD key, bool control) {
    SetForegroundWindow(window);
    if (!waitFor([&] { return GetForegroundWindow() == window; }, 10000)) return false;
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (control) add(VK_CONTROL, false);
    add(key, false);
    add(key, true);
    if (control) add(VK_CONTROL, true);
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

// The process's visible top-level window, other than `main`, that holds a control `id`.
HWND dialogWith(DWORD process, HWND main, int id) {
    for (HWND window : windowsOf(process)) {
        if (window != main && GetDlgItem(window, id)) return window;
    }
    return nullptr;
}

ULONGLONG lastWrite(const std::wstring& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (ULONGLONG(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

// A process started on a file, ended when the measurement is done.
class Started {
public:
    Started(const std::wstring& program, const std::wstring& file) {
        std::wstring commandLine = L"\"" + program + L"\" \"" + file + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ok_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &info_) != 0;
    }
    ~Started() {
        if (!ok_) return;
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 60000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
    bool ok() const { return ok_; }
    HANDLE process() const { return info_.hProcess; }
    DWORD id() const { return info_.dwProcessId; }
    double peakMegabytes() const {
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(info_.hProcess, &memory, sizeof memory);
        return double(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }

private:
    bool ok_ = false;
    PROCESS_INFORMATION info_{};
};

int fail(const char* why) {
    if (gProcess && WaitForSingleObject(gProcess, 0) == WAIT_OBJECT_0) why = "the program ended (crashed)";
    std::printf("failed: %s\n", why);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) return 2;
    const std::wstring kind = argv[1];
    const Program& program = kind == L"notepad" ? kNotepad : kVantry;
    const std::wstring file = argv[3];
    const std::wstring action = argv[4];
    const std::wstring caption = file.substr(file.find_last_of(L'\\') + 1) + program.captionSuffix;

    Clock clock;
    Started started(argv[2], file);
    if (!started.ok()) return fail("the program did not start");
    gProcess = started.process();
    HWND main = nullptr;
    const bool shown = waitFor([&] {
        for (HWND window : windowsOf(started.id())) {
            if (textOf(window) == caption) main = window;
        }
        return main != nullptr;
    });
    if (!shown || !answers(main)) return fail("the document was not shown");
    double seconds = clock.seconds();
    const HWND memo = FindWindowExW(main, nullptr, L"Edit", nullptr);
    if (!memo) return fail("no edit control");

    if (action == L"save") {
        const ULONGLONG before = lastWrite(file);
        clock.restart();
        if (!press(main, 'S', true)) return fail("keys not taken");
        if (!waitFor([&] {
                const ULONGLONG now = lastWrite(file);
                return now != 0 && now != before;
            }) ||
            !answers(main)) {
            return fail("the file was not written");
        }
        seconds = clock.seconds();
    } else if (action == L"find" && argc == 6) {
        if (!press(main, 'F', true)) return fail("keys not taken");
        HWND dialog = nullptr;
        if (!waitFor([&] { return (dialog = dialogWith(started.id(), main, program.findText)) != nullptr; }, 30000)) {
            return fail("no find window");
        }
        ask(GetDlgItem(dialog, program.findText), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[5]));
        answers(dialog);
        DWORD from = 0, to = 0;
        ask(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        const DWORD before = from;
        clock.restart();
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(program.findButton, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, program.findButton)));
        if (!waitFor([&] {
                DWORD start = 0;
                ask(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
                return start != before;
            }) ||
            !answers(main)) {
            return fail("the selection did not move");
        }
        seconds = clock.seconds();
    } else if (action == L"replaceall" && argc == 8) {
        const LRESULT length = ask(memo, WM_GETTEXTLENGTH);
        const LRESULT expected =
            length - LRESULT(_wtoi(argv[7])) * LRESULT(std::wcslen(argv[5]) - std::wcslen(argv[6]));
        if (!press(main, program.replaceKey, true)) return fail("keys not taken");
        HWND dialog = nullptr;
        if (!waitFor([&] { return (dialog = dialogWith(started.id(), main, program.replaceText)) != nullptr; },
                     30000)) {
            return fail("no replace window");
        }
        ask(GetDlgItem(dialog, program.findText), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[5]));
        ask(GetDlgItem(dialog, program.replaceText), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[6]));
        answers(dialog);
        clock.restart();
        PostMessageW(GetDlgItem(dialog, program.replaceAllButton), BM_CLICK, 0, 0);
        if (!waitFor([&] { return ask(memo, WM_GETTEXTLENGTH) == expected; }) || !answers(main)) {
            return fail("the text was not replaced");
        }
        seconds = clock.seconds();
    } else if (action != L"open") {
        return 2;
    }
    std::printf("%.3f s  %.0f MB\n", seconds, started.peakMegabytes());
    return 0;
}
