// Starts Vantry on a file and reports how long it took until the document was shown
// (its name in the caption, which is set once the text is in the control) and the
// process's peak working set. Usage: open_timer Vantry.exe FILE
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process;
    HWND found;
};

HWND mainWindowOf(DWORD process) {
    Search search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            if (owner == s->process && std::wstring(name) == L"Vantry.Main") {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const std::wstring file = argv[2];
    const std::wstring expected = file.substr(file.find_last_of(L'\\') + 1) + L" - Vantry";
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
    for (int polls = 0; polls < 60000; ++polls) {  // at most ten minutes
        window = window ? window : mainWindowOf(info.dwProcessId);
        wchar_t caption[512] = {};
        if (window) GetWindowTextW(window, caption, 512);
        if (expected == caption) break;
        Sleep(10);
    }
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
