// Whether a long session leaks: one main window with its find, message and Options
// windows opens 1,000 documents one after another through File > Open, in turn the
// NFO, text, UTF-16 and 1 MB files in FOLDER; on each it finds, replaces all and opens
// and cancels Options, and every 100th document is printed on PRINTER. The process's
// private bytes, GDI objects and USER objects are printed at the start, after 500 and
// after 1,000. Usage: soak_bench FOLDER PRINTER (bench/soak.sh makes the files)
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "bench_window.h"
#include "settings/options_dialog.h"
#include "shell/resource.h"
#include "tools/find_window.h"
#include "tools/message_dialog.h"
#include "tools/tool_resources.h"
#include "win/system_ui.h"

namespace {

// The modal answers of a user who opens the next file, prints on the given printer and
// does not keep the replacements.
class SoakUi final : public vantry::SystemUi {
public:
    explicit SoakUi(std::wstring printer) : printer_(std::move(printer)) { vantry::setSystemUi(this); }
    ~SoakUi() override { vantry::setSystemUi(nullptr); }
    SoakUi(const SoakUi&) = delete;
    SoakUi& operator=(const SoakUi&) = delete;

    void shellOpen(const std::wstring&) override {}
    UINT popupMenu(HWND, HMENU, POINT) override { return 0; }
    int messageBox(HWND, const std::wstring&, const std::wstring&, UINT style) override {
        ++questions;
        return (style & MB_TYPEMASK) == MB_YESNOCANCEL ? IDNO : (style & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    }
    std::optional<vantry::FileDialogAnswer> fileDialog(vantry::FileDialogRequest&) override {
        return vantry::FileDialogAnswer{nextFile, -1, 1};
    }
    std::optional<COLORREF> chooseColor(HWND, COLORREF, std::array<COLORREF, 16>&) override { return {}; }
    std::optional<vantry::ChosenFont> chooseFont(HWND, const LOGFONTW&) override { return {}; }
    std::optional<vantry::PrintDialogAnswer> printDialog(HWND) override {
        vantry::UniqueDeviceContext printer(CreateDCW(L"WINSPOOL", printer_.c_str(), nullptr, nullptr));
        if (!printer) return {};
        ++prints;
        return vantry::PrintDialogAnswer{std::move(printer), 1, false};
    }

    std::wstring nextFile;
    int questions = 0;
    int prints = 0;

private:
    std::wstring printer_;
};

bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// Private bytes as the system counts them; Wine leaves PrivateUsage at 0, so there they
// are the committed private pages of the address space.
std::uint64_t privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    if (counters.PrivateUsage != 0) return counters.PrivateUsage;
    std::uint64_t committed = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (auto* at = static_cast<const char*>(nullptr); VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) committed += region.RegionSize;
    }
    return committed;
}

// Wine's GetGuiResources is a stub that answers 0. Its GDI objects live in the process's
// own GDI handle table (the PEB's GdiSharedHandleTable, 65,536 entries of 24 bytes, the
// type byte at 14 nonzero for a live object): they are counted there, stock objects
// included. Windows keeps that table for the whole session, so it is read under Wine only.
long gdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0 || !underWine()) return long(counted);
#if defined(_M_X64) || defined(__x86_64__)
    PROCESS_BASIC_INFORMATION process{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr) !=
        0) {
        return -1;
    }
    const auto* peb = reinterpret_cast<const unsigned char*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
    if (!table) return -1;
    long live = 0;
    for (size_t entry = 0; entry < 0x10000; ++entry) live += table[entry * 24 + 14] != 0;
    return live;
#else
    return -1;
#endif
}

// USER objects by GetGuiResources; -1 where it answers nothing (Wine).
long userObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    return counted != 0 || !underWine() ? long(counted) : -1;
}

// The windows of this thread, child windows included: the USER objects Wine lets count.
long windows() {
    long count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& total = *reinterpret_cast<long*>(data);
            ++total;
            EnumChildWindows(
                window, [](HWND, LPARAM inner) -> BOOL { return ++*reinterpret_cast<long*>(inner), TRUE; }, data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct Reading {
    std::uint64_t privateBytes;
    long gdi, user, windows;
};

Reading read() { return {privateBytes(), gdiObjects(), userObjects(), windows()}; }

void show(const char* when, const Reading& r) {
    std::printf("%-16s private %8.2f MB  GDI %5ld  USER %5s  windows %4ld\n", when, double(r.privateBytes) / 1048576.0,
                r.gdi, r.user < 0 ? "n/a" : std::to_string(r.user).c_str(), r.windows);
    std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const std::wstring folder = std::wstring(argv[1]) + L"\\";
    const std::wstring files[] = {folder + L"soak.nfo", folder + L"soak.txt", folder + L"soak-utf16.txt",
                                  folder + L"soak-1mb.txt"};
    SoakUi ui(argv[2]);
    vantry::bench::BenchWindow bench(folder + L"soak.nfo");
    vantry::Tnfonote& window = *bench;
    window.show();
    vantry::TOptions options(window.handle(), window);
    vantry::TMyFind find(window.handle(), window);
    vantry::TmessageDialog message(window.handle());
    window.attachToolWindows({.options = &options, .find = &find, .message = &message});
    SetDlgItemTextW(find.handle(), IDC_FIND_TEXT, L"release");
    SetDlgItemTextW(find.handle(), IDC_REPLACE_TEXT, L"notes");
    pumpMessages();

    std::printf("GDI objects%s; USER objects%s\n",
                underWine() ? " counted in Wine's GDI handle table (GetGuiResources answers 0 under Wine)" : "",
                underWine() ? " not available under Wine (GetGuiResources answers 0), its windows are counted" : "");
    Reading readings[3] = {read()};
    show("start", readings[0]);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int document = 1; document <= 1000; ++document) {
        ui.nextFile = files[document % 4];
        SendMessageW(window.handle(), WM_COMMAND, IDM_OPEN, 0);
        find.findButtonClick();
        find.replaceAllButtonClick();
        PostMessageW(GetDlgItem(options.handle(), IDCANCEL), BM_CLICK, 0, 0);  // clicked once it shows
        options.showOptions();
        if (document % 100 == 0) SendMessageW(window.handle(), WM_COMMAND, IDM_PRINT, 0);
        pumpMessages();
        if (document % 500 == 0) {
            readings[document / 500] = read();
            show(document == 500 ? "after 500" : "after 1,000", readings[document / 500]);
        }
    }
    const Reading &half = readings[1], &end = readings[2];
    std::printf(
        "500 to 1,000: private bytes %+.2f %%, GDI objects %+ld, USER objects %s, windows %+ld; "
        "%d printed, %d questions answered, %.0f s\n",
        100.0 * (double(end.privateBytes) - double(half.privateBytes)) / double(half.privateBytes), end.gdi - half.gdi,
        end.user < 0 ? "n/a" : std::to_string(end.user - half.user).c_str(), end.windows - half.windows, ui.prints,
        ui.questions, vantry::bench::secondsSince(start));
    window.attachToolWindows({});
    return 0;
}
