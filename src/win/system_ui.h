// Modal system UI (message boxes, file dialogs) behind one interface: the program uses
// the system's, window tests script the answers and record what was asked.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "win/handles.h"

namespace vantry {

// A drop-down list the program adds under a file dialog, from a dialog template of its
// resources that holds the list.
struct ListUnderFileDialog {
    int templateId = 0;
    int listId = 0;
    std::vector<std::wstring> entries;
};

struct FileDialogRequest {
    HWND owner = nullptr;
    bool save = false;
    std::wstring title;   // empty: the system's ("Open", "Save As")
    std::wstring filter;  // pairs of caption and pattern, each ended by L'\0'
    int filterIndex = 1;  // 1-based, as the system counts
    std::wstring defaultExtension;
    std::wstring fileName;
    std::optional<ListUnderFileDialog> listUnder;
    int encodingIndex = 0;  // selection of that list; on return, the selection as
                            // the dialog closed, even when cancelled
};

struct FileDialogAnswer {
    std::wstring path;
    int encodingIndex = 0;  // -1 when nothing is selected
    int filterIndex = 1;
};

struct ChosenFont {
    LOGFONTW font{};
    int pointSize = 0;  // whole points
};

struct PrintDialogAnswer {
    UniqueDeviceContext printer;
    int copies = 1;
    bool collate = false;
};

class SystemUi {
public:
    virtual ~SystemUi() = default;
    // MessageBoxW semantics; returns the pressed button's identifier.
    virtual int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) = 0;
    // Nothing when the user cancels.
    virtual std::optional<FileDialogAnswer> fileDialog(FileDialogRequest& request) = 0;
    // The colour chooser, opened at `initial`; `customColors` are the chooser's own sixteen.
    virtual std::optional<COLORREF> chooseColor(HWND owner, COLORREF initial,
                                                std::array<COLORREF, 16>& customColors) = 0;
    // The font chooser over screen fonts, without effects, opened at `initial`.
    virtual std::optional<ChosenFont> chooseFont(HWND owner, const LOGFONTW& initial) = 0;
    // The print dialog: printer, its properties, copies and collation; always all pages.
    // It opens with the printer chosen last.
    virtual std::optional<PrintDialogAnswer> printDialog(HWND owner) = 0;
    // Everything the program hands to the desktop shell: ShellExecuteW(no owner, "open",
    // target, no parameters, no folder, SW_SHOWNORMAL); the result is not examined.
    virtual void shellOpen(const std::wstring& target) = 0;
    // A shortcut menu at a point of the screen (TrackPopupMenu with TPM_RETURNCMD); the
    // command chosen, 0 when it was dismissed.
    virtual UINT popupMenu(HWND owner, HMENU menu, POINT at) = 0;
};

// The UI in use: the system's unless a test put another in place (nullptr restores it).
SystemUi& systemUi();
void setSystemUi(SystemUi* ui);

}  // namespace vantry
