// Helpers of the window tests: a scripted system UI, a clean settings key, temporary
// files, and a main window built the way start-up builds it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/nfo01.h"
#include "win/system_ui.h"

namespace vantry::testing {

inline constexpr wchar_t kTestKeyPath[] = L"\\Software\\VantryWindowTests";

struct AskedMessage {
    std::wstring text;
    std::wstring caption;
    UINT style = 0;
};

// Answers modal UI from a script and records what was asked.
class ScriptedUi final : public SystemUi {
public:
    ScriptedUi() { setSystemUi(this); }
    ~ScriptedUi() override { setSystemUi(nullptr); }

    int messageBox(HWND, const std::wstring& text, const std::wstring& caption, UINT style) override;
    std::optional<FileDialogAnswer> fileDialog(FileDialogRequest& request) override;
    std::optional<COLORREF> chooseColor(HWND, COLORREF, std::array<COLORREF, 16>&) override { return {}; }
    std::optional<ChosenFont> chooseFont(HWND, const LOGFONTW&) override { return {}; }
    std::optional<PrintDialogAnswer> printDialog(HWND) override;
    void shellOpen(const std::wstring& target) override { opened.push_back(target); }
    UINT popupMenu(HWND, HMENU menu, POINT) override;

    std::vector<AskedMessage> messages;
    std::deque<int> messageAnswers;  // empty: IDOK
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::optional<FileDialogAnswer>> fileAnswers;    // empty: cancel
    std::deque<std::optional<PrintDialogAnswer>> printAnswers;  // empty: cancel
    std::vector<std::wstring> opened;                           // what went to the shell
    std::vector<std::vector<std::wstring>> menus;               // each shortcut menu's items, "* " when checked
    std::deque<UINT> menuAnswers;                               // empty: dismissed
};

// Deletes the test settings key now and when it goes.
class CleanSettingsKey {
public:
    CleanSettingsKey();
    ~CleanSettingsKey();
};

std::wstring readValue(const std::wstring& name, const wchar_t* keyPath = kTestKeyPath);
void writeValue(const std::wstring& name, const std::wstring& text, const wchar_t* keyPath = kTestKeyPath);

// A folder under %TEMP% removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::wstring file(const std::wstring& name, const std::string& bytes) const;
    std::wstring path(const std::wstring& name) const { return folder_ + name; }
    const std::wstring& folder() const { return folder_; }

private:
    std::wstring folder_;
};

// All bytes of a file; "<missing>" when it cannot be read.
std::string fileBytes(const std::wstring& path);
// The names in a folder, "." and ".." left out.
std::vector<std::wstring> folderNames(const std::wstring& folder);

std::wstring testProgramPath();

// A main window made as start-up makes it, on the test settings key.
std::unique_ptr<Tnfonote> makeMainWindow(std::optional<std::wstring> commandLineFile = std::nullopt,
                                         bool* closed = nullptr);

std::string narrow(const std::wstring& text);

// A main window as start-up makes it, on a clean settings key, with a scripted UI and
// a temporary folder.
class WindowTest : public ::testing::Test {
protected:
    void open(const std::string& text, const wchar_t* name = L"doc.txt") {
        ASSERT_TRUE(window->loadDocument(folder.file(name, text), L""));
    }
    void command(int id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

    CleanSettingsKey clean;
    ScriptedUi ui;
    TempFolder folder;
    bool closed = false;
    std::unique_ptr<Tnfonote> window = makeMainWindow(std::nullopt, &closed);
};

// Drops files on the window as the shell does.
void dropOn(HWND window, const std::vector<std::wstring>& paths);

// Dispatches what is waiting in this thread's queue (posted closes, for one).
void pumpMessages();

// The client point inside the cell of a character of the text control.
POINT pointAt(HWND memo, DWORD index);

std::wstring statusPanel(HWND statusBar, int panel);

// The font a control draws its text in, and that font's description.
HFONT fontOf(HWND control);
LOGFONTW logFontOf(HWND control);

// A control's rectangle in its parent's client area, and a rectangle as "x,y wxh".
RECT clientRectOf(HWND control, HWND parent);
std::string rectText(const RECT& rect);

// What is wrong with the layout of a window's visible controls: each pair that overlaps
// and each control that reaches outside the client area, named by their texts or ids. The
// control `containerId` (a tab strip) holds others: a control lies inside it or clear of it.
std::vector<std::string> layoutFaults(HWND window, int containerId);

// The layout faults of the find window on each of its tabs, its "Text not found" shown.
std::vector<std::string> findWindowLayoutFaults(TMyFind& find);

// The pixels a character draws in `font`, black on white, as rows of '#' and '.'.
std::vector<std::string> drawCharacter(HFONT font, wchar_t character);

// Runs `act` with `keys` (VK_CONTROL, ...) held down, as GetKeyState tells the program.
void withKeysDown(std::initializer_list<int> keys, const std::function<void()>& act);

// The state of a main-menu item, by command.
bool menuChecked(HWND window, int id);

}  // namespace vantry::testing
