// Starts a program on a file and reports how long it took until the document was shown
// (its name in the caption, which is set once the text is in the control) and the
// window answers, and the process's peak working set.
// Usage: open_timer PROGRAM FILE [CAPTION-SUFFIX], the suffix " - Vantry" by default.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process;
    const std::wstring* caption;
    HWND found;
};

// The process's top-level window with the caption, if it has one yet.
HWND windowWithCaption(DWORD process, const std::wstring& caption) {
    Search search{process, &caption, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->process) return TRUE;
            wchar_t text[512] = {};
            GetWindowTextW(window, text, 512);
            if (*s->caption != text) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 && argc != 4) return 2;
    const std::wstring file = argv[2];
    const std::wstring expected = file.substr(file.find_last_of(L'\\') + 1) + (argc == 4 ? argv[3] : L" - Vantry");
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\" \"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return 1;
    }
    HWND window = nullptr;
    for (int polls = 0; polls < 60000 && !window; ++polls) {  // at most ten minutes
        window = windowWithCaption(info.dwProcessId, expected);
        if (!window) Sleep(10);
    }
    DWORD_PTR answer = 0;
    if (window) SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &answer);
    QueryPerformanceCounter(&now);
    const double seconds = double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory);
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(info.hProcess, 60000);
    std::printf("%.2f s  %.0f MB\n", seconds, double(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return 0;
}
