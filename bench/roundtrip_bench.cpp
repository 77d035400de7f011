// Whether any save changes a file's bytes without asking: every file of FOLDER is
// opened under an NFO name and under a .txt name, as the command line opens it, and
// saved with Ctrl+S, every question answered Cancel. A file whose bytes changed beyond
// the two deliberate changes (NUL as a space, CR LF) without a question is counted and
// named. Run it in prefixes of several code pages.
// Usage: roundtrip_bench FOLDER
#include <cstdio>
#include <string>
#include <vector>

#include "bench_window.h"
#include "fuzz/fuzz_support.h"
#include "shell/resource.h"
#include "win/system_ui.h"

namespace {

// Answers every question Cancel and counts them; no dialog is ever shown.
class CancellingUi final : public vantry::SystemUi {
public:
    CancellingUi() { vantry::setSystemUi(this); }
    ~CancellingUi() override { vantry::setSystemUi(nullptr); }
    int messageBox(HWND, const std::wstring&, const std::wstring&, UINT) override {
        ++questions;
        return IDCANCEL;
    }
    std::optional<vantry::FileDialogAnswer> fileDialog(vantry::FileDialogRequest&) override { return {}; }
    std::optional<COLORREF> chooseColor(HWND, COLORREF, std::array<COLORREF, 16>&) override { return {}; }
    std::optional<vantry::ChosenFont> chooseFont(HWND, const LOGFONTW&) override { return {}; }
    std::optional<vantry::PrintDialogAnswer> printDialog(HWND) override { return {}; }
    void shellOpen(const std::wstring&) override {}
    UINT popupMenu(HWND, HMENU, POINT) override { return 0; }
    int questions = 0;
};

std::string readAll(const std::wstring& path) {
    const vantry::UniqueFileHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    GetFileSizeEx(file.get(), &size);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    return bytes;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    const std::wstring folder = std::wstring(argv[1]) + L"\\";
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 1;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring scratch = std::wstring(temp) + L"vantry-roundtrip";
    CancellingUi ui;
    vantry::bench::BenchWindow window(L"");
    int opened = 0, silent = 0, asked = 0;
    for (const std::wstring& name : names) {
        const std::string original = readAll(folder + name);
        for (const wchar_t* extension : {L".nfo", L".txt"}) {
            const std::wstring copy = vantry::bench::writeBenchFile(scratch + extension, original);
            if (!window->loadDocument(copy, L"")) continue;
            ++opened;
            const int before = ui.questions;
            SendMessageW(window->handle(), WM_COMMAND, IDM_SAVE, 0);
            const vantry::DocumentState& document = window->document();
            vantry::DecodedDocument read;
            read.encoding = document.documentEncoding;
            read.lead = document.leadingBytes;
            read.trail = document.trailingBytes;
            const std::string expected = vantry::fuzz::savedAgain(original, read);
            const std::string saved = readAll(copy);
            if (ui.questions > before) {
                ++asked;
            } else if (saved != expected && saved != original) {
                ++silent;
                std::printf("changed without a question: %s as %s\n", vantry::bench::narrow(name).c_str(),
                            vantry::bench::narrow(extension).c_str());
            }
        }
    }
    DeleteFileW((scratch + L".nfo").c_str());
    DeleteFileW((scratch + L".txt").c_str());
    std::printf("code page %u: %d openings, %d saves asked first, %d changed a file without a question\n", GetACP(),
                opened, asked, silent);
    return silent == 0 ? 0 : 1;
}
