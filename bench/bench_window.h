// What the in-process benchmarks share: a main window started on a file as the program
// starts it, on a settings key of its own, and a clock.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <memory>
#include <string>

#include "shell/nfo01.h"
#include "win/handles.h"

namespace vantry::bench {

inline constexpr wchar_t kBenchKeyPath[] = L"\\Software\\VantryBench";

inline double secondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

inline std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Writes `bytes` as the whole file at `path` and returns the path.
inline std::wstring writeBenchFile(const std::wstring& path, const std::string& bytes) {
    const UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return path;
}

// Settings start from their defaults; the key is removed again when the window goes.
class BenchWindow {
public:
    explicit BenchWindow(const std::wstring& file) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKeyPath + 1);
        wchar_t program[MAX_PATH];
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        MainWindowSetup setup;
        setup.programPath = program;
        setup.commandLineFile = file;
        setup.settingsKeyPath = kBenchKeyPath;
        window_ = std::make_unique<Tnfonote>(std::move(setup));
    }
    ~BenchWindow() {
        window_.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKeyPath + 1);
    }
    Tnfonote& operator*() { return *window_; }
    Tnfonote* operator->() { return window_.get(); }

private:
    std::unique_ptr<Tnfonote> window_;
};

}  // namespace vantry::bench
