#include "win/system_ui.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

namespace vantry {
namespace {

struct ListChoice {
    const ListUnderFileDialog* list;
    int index;
};

// Fills the list under the file dialog and reads it back when the user confirms.
UINT_PTR CALLBACK encodingListHook(HWND hookDialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* dialog = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        SetWindowLongPtrW(hookDialog, GWLP_USERDATA, static_cast<LONG_PTR>(dialog->lCustData));
        const auto* choice = reinterpret_cast<const ListChoice*>(dialog->lCustData);
        const HWND list = GetDlgItem(hookDialog, choice->list->listId);
        for (const std::wstring& entry : choice->list->entries) {
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(choice->index), 0);
    } else {
        // Read as it changes, so that a choice made before Cancel is remembered too.
        auto* choice = reinterpret_cast<ListChoice*>(GetWindowLongPtrW(hookDialog, GWLP_USERDATA));
        if (!choice) return 0;
        const int listId = choice->list->listId;
        const bool changed = message == WM_COMMAND && LOWORD(wParam) == listId && HIWORD(wParam) == CBN_SELCHANGE;
        const bool confirmed = message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_FILEOK;
        if (changed || confirmed) {
            choice->index = static_cast<int>(SendDlgItemMessageW(hookDialog, listId, CB_GETCURSEL, 0, 0));
        }
    }
    return 0;
}

class Win32SystemUi final : public SystemUi {
public:
    void shellOpen(const std::wstring& target) override {
        ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }

    UINT popupMenu(HWND owner, HMENU menu, POINT at) override {
        return static_cast<UINT>(
            TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, at.x, at.y, 0, owner, nullptr));
    }

    int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) override {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
    }

    std::optional<FileDialogAnswer> fileDialog(FileDialogRequest& request) override {
        std::vector<wchar_t> path(32768, L'\0');
        request.fileName.copy(path.data(), path.size() - 1);
        ListChoice choice{request.listUnder ? &*request.listUnder : nullptr, request.encodingIndex};
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = request.owner;
        dialog.hInstance = GetModuleHandleW(nullptr);
        dialog.lpstrFilter = request.filter.c_str();
        dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
        dialog.lpstrFile = path.data();
        dialog.nMaxFile = static_cast<DWORD>(path.size());
        dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
        dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
        dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | (request.save ? OFN_OVERWRITEPROMPT : 0);
        if (request.listUnder) {
            dialog.Flags |= OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
            dialog.lpfnHook = encodingListHook;
            dialog.lpTemplateName = MAKEINTRESOURCEW(request.listUnder->templateId);
            dialog.lCustData = reinterpret_cast<LPARAM>(&choice);
        }
        const BOOL confirmed = request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
        request.encodingIndex = choice.index;
        if (!confirmed) return std::nullopt;
        return FileDialogAnswer{path.data(), choice.index, static_cast<int>(dialog.nFilterIndex)};
    }

    std::optional<COLORREF> chooseColor(HWND owner, COLORREF initial, std::array<COLORREF, 16>& customColors) override {
        CHOOSECOLORW chooser{};
        chooser.lStructSize = sizeof chooser;
        chooser.hwndOwner = owner;
        chooser.rgbResult = initial;
        chooser.lpCustColors = customColors.data();
        chooser.Flags = CC_RGBINIT;
        if (!ChooseColorW(&chooser)) return std::nullopt;
        return chooser.rgbResult;
    }

    std::optional<ChosenFont> chooseFont(HWND owner, const LOGFONTW& initial) override {
        ChosenFont chosen{initial, 0};
        CHOOSEFONTW chooser{};
        chooser.lStructSize = sizeof chooser;
        chooser.hwndOwner = owner;
        chooser.lpLogFont = &chosen.font;
        chooser.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
        if (!ChooseFontW(&chooser)) return std::nullopt;
        chosen.pointSize = (chooser.iPointSize + 5) / 10;  // tenths of a point
        return chosen;
    }

    std::optional<PrintDialogAnswer> printDialog(HWND owner) override {
        PRINTDLGW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.hDevMode = printerMode_.release();
        dialog.hDevNames = printerNames_.release();
        // Copies and collation come back here, for the program to make; no page range.
        dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_NOWARNING;
        dialog.nCopies = 1;
        const BOOL confirmed = PrintDlgW(&dialog);
        printerMode_.reset(dialog.hDevMode);
        printerNames_.reset(dialog.hDevNames);
        UniqueDeviceContext printer(dialog.hDC);
        if (!confirmed || !printer) return std::nullopt;
        return PrintDialogAnswer{std::move(printer), dialog.nCopies, (dialog.Flags & PD_COLLATE) != 0};
    }

private:
    UniqueGlobalMemory printerMode_;
    UniqueGlobalMemory printerNames_;
};

Win32SystemUi systemImplementation;
SystemUi* current = &systemImplementation;

}  // namespace

SystemUi& systemUi() { return *current; }

void setSystemUi(SystemUi* ui) { current = ui ? ui : &systemImplementation; }

}  // namespace vantry
