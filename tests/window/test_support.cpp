#include "test_support.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "tools/tool_resources.h"

namespace vantry::testing {
namespace {
// The program initialises COM and the common controls in its entry point; so do the tests.
const bool startedLikeTheProgram = [] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
}();
}  // namespace

namespace {
// The next scripted answer, `none` when the script has run out.
template <typename Answer>
Answer nextAnswer(std::deque<Answer>& answers, Answer none = Answer{}) {
    if (answers.empty()) return none;
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}
}  // namespace

int ScriptedUi::messageBox(HWND, const std::wstring& text, const std::wstring& caption, UINT style) {
    messages.push_back({text, caption, style});
    return nextAnswer(messageAnswers, IDOK);
}

std::optional<PrintDialogAnswer> ScriptedUi::printDialog(HWND) { return nextAnswer(printAnswers); }

UINT ScriptedUi::popupMenu(HWND, HMENU menu, POINT) {
    std::vector<std::wstring>& items = menus.emplace_back();
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
        const bool checked = (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
        if (text[0] != L'\0') items.push_back(std::wstring(checked ? L"* " : L"") + text);
    }
    return nextAnswer(menuAnswers);
}

std::optional<FileDialogAnswer> ScriptedUi::fileDialog(FileDialogRequest& request) {
    fileDialogs.push_back(request);
    std::optional<FileDialogAnswer> answer = nextAnswer(fileAnswers);
    if (answer) request.encodingIndex = answer->encodingIndex;
    return answer;
}

CleanSettingsKey::CleanSettingsKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKeyPath + 1); }

CleanSettingsKey::~CleanSettingsKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKeyPath + 1); }

std::wstring readValue(const std::wstring& name, const wchar_t* keyPath) {
    wchar_t buffer[4096] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CURRENT_USER, keyPath + 1, name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS) {
        return L"<missing>";
    }
    return buffer;
}

void writeValue(const std::wstring& name, const std::wstring& text, const wchar_t* keyPath) {
    RegSetKeyValueW(HKEY_CURRENT_USER, keyPath + 1, name.c_str(), REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

TempFolder::TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    // Wine gives processes of different runs the same ids: the time keeps the names apart.
    folder_ = std::wstring(temp) + L"vantry-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++counter) + L"\\";
    EXPECT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)) << narrow(folder_);
}

namespace {

// A folder and what it holds, in the long form so that deep paths go too. Links are
// removed, never followed.
void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + name;
            const DWORD attributes = found.dwFileAttributes;
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                removeTree(path + L"\\");
            } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryW(path.c_str());
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

// Only ever the test's own folder, named as made below, and nothing relative.
TempFolder::~TempFolder() {
    if (folder_.size() < 4 || folder_[1] != L':' || folder_.find(L"\\vantry-test-") == std::wstring::npos) return;
    removeTree(L"\\\\?\\" + folder_);
}

std::wstring TempFolder::file(const std::wstring& name, const std::string& bytes) const {
    const std::wstring full = folder_ + name;
    const HANDLE file = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << narrow(full);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return full;
}

std::string fileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char chunk[65536];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

std::vector<std::wstring> folderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::wstring testProgramPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::unique_ptr<Tnfonote> makeMainWindow(std::optional<std::wstring> commandLineFile, bool* closed) {
    MainWindowSetup setup;
    setup.programPath = testProgramPath();
    setup.commandLineFile = std::move(commandLineFile);
    setup.settingsKeyPath = kTestKeyPath;
    setup.onClosed = [closed] {
        if (closed) *closed = true;
    };
    return std::make_unique<Tnfonote>(std::move(setup));
}

// Drops files on the window as the shell does: a DROPFILES block in global memory.
void dropOn(HWND window, const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    const size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);  // DragFinish frees it
}

void pumpMessages() {
    MSG message;
    for (int i = 0; i < 1000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

POINT pointAt(HWND memo, DWORD index) {
    const LRESULT cell = SendMessageW(memo, EM_POSFROMCHAR, index, 0);
    return {static_cast<short>(LOWORD(cell)) + 2, static_cast<short>(HIWORD(cell)) + 4};
}

std::wstring statusPanel(HWND statusBar, int panel) {
    wchar_t text[512] = {};
    SendMessageW(statusBar, SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text));
    return text;
}

HFONT fontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)); }

LOGFONTW logFontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(fontOf(control), sizeof font, &font);
    return font;
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

namespace {
std::string controlName(HWND control) {
    wchar_t text[128] = {};
    GetWindowTextW(control, text, 128);
    return text[0] ? "\"" + narrow(text) + "\"" : "#" + std::to_string(GetDlgCtrlID(control));
}
}  // namespace

std::vector<std::string> layoutFaults(HWND window, int containerId) {
    std::vector<std::pair<HWND, RECT>> shown;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // Shown with its window: the window itself may be hidden.
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) shown.emplace_back(child, clientRectOf(child, window));
    }
    RECT client{};
    GetClientRect(window, &client);
    std::vector<std::string> faults;
    for (size_t i = 0; i < shown.size(); ++i) {
        const auto& [control, rect] = shown[i];
        RECT inside{};
        if (!IntersectRect(&inside, &rect, &client) || !EqualRect(&inside, &rect)) {
            faults.push_back(controlName(control) + " " + rectText(rect) + " reaches outside " + rectText(client));
        }
        for (size_t j = i + 1; j < shown.size(); ++j) {
            const auto& [other, otherRect] = shown[j];
            RECT common{};
            if (!IntersectRect(&common, &rect, &otherRect)) continue;
            const bool held = (GetDlgCtrlID(control) == containerId && EqualRect(&common, &otherRect)) ||
                              (GetDlgCtrlID(other) == containerId && EqualRect(&common, &rect));
            if (!held) {
                faults.push_back(controlName(control) + " " + rectText(rect) + " overlaps " + controlName(other) + " " +
                                 rectText(otherRect));
            }
        }
    }
    return faults;
}

std::vector<std::string> findWindowLayoutFaults(TMyFind& find) {
    std::vector<std::string> faults;
    for (const int tab : {TMyFind::kFindTab, TMyFind::kReplaceTab}) {
        find.setTab(tab);
        ShowWindow(GetDlgItem(find.handle(), IDC_NOT_FOUND_LABEL), SW_SHOWNA);
        for (const std::string& fault : layoutFaults(find.handle(), IDC_FIND_TABS)) {
            faults.push_back("tab " + std::to_string(tab) + ": " + fault);
        }
        ShowWindow(GetDlgItem(find.handle(), IDC_NOT_FOUND_LABEL), SW_HIDE);
    }
    return faults;
}

void withKeysDown(std::initializer_list<int> keys, const std::function<void()>& act) {
    BYTE before[256] = {};
    GetKeyboardState(before);
    BYTE held[256] = {};
    std::copy(std::begin(before), std::end(before), std::begin(held));
    for (const int key : keys) held[key] |= 0x80;
    SetKeyboardState(held);
    act();
    SetKeyboardState(before);
}

bool menuChecked(HWND window, int id) {
    return (GetMenuState(GetMenu(window), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

std::string narrow(const std::wstring& text) {
    std::string result;
    for (wchar_t c : text) result += c < 128 ? static_cast<char>(c) : '?';
    return result;
}

std::vector<std::string> drawCharacter(HFONT font, wchar_t character) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const GdiObject<HBITMAP> bitmap(CreateBitmap(32, 32, 1, 1, nullptr));
    std::vector<std::string> rows(32);
    {
        const ScopedSelection selectedBitmap(dc, bitmap.get());
        const ScopedSelection selectedFont(dc, font);
        const RECT all{0, 0, 32, 32};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, 0, 0, &character, 1);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) rows[static_cast<size_t>(y)] += GetPixel(dc, x, y) == RGB(0, 0, 0) ? '#' : '.';
        }
    }
    DeleteDC(dc);
    return rows;
}

}  // namespace vantry::testing
