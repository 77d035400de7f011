// Modal system UI (message boxes, file dialogs) behind one interface: the program uses
// the system's, window tests script the answers and record what was asked.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vantry {

struct FileDialogRequest {
    HWND owner = nullptr;
    bool save = false;
    std::wstring filter;            // pairs of caption and pattern, each ended by L'\0'
    int filterIndex = 1;            // 1-based, as the system counts
    std::wstring defaultExtension;
    std::wstring fileName;
    int encodingIndex = 0;          // selection of the added encoding list; on return, the
                                    // selection as the dialog closed, even when cancelled
};

struct FileDialogAnswer {
    std::wstring path;
    int encodingIndex = 0;          // -1 when nothing is selected
    int filterIndex = 1;
};

class SystemUi {
public:
    virtual ~SystemUi() = default;
    // MessageBoxW semantics; returns the pressed button's identifier.
    virtual int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                           UINT style) = 0;
    // Nothing when the user cancels.
    virtual std::optional<FileDialogAnswer> fileDialog(FileDialogRequest& request) = 0;
};

// The UI in use: the system's unless a test put another in place (nullptr restores it).
SystemUi& systemUi();
void setSystemUi(SystemUi* ui);

}  // namespace vantry
