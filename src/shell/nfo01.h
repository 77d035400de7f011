// The main window: the document in Memo1, the menu, the status bar, start-up from the
// stored settings and the orderly close.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <span>
#include <string>

#include "documents/portable/print_layout.h"
#include "documents/portable/save_filters.h"
#include "documents/recent_files_menu.h"
#include "settings/display_font.h"
#include "settings/options_dialog.h"
#include "settings/settings_store.h"
#include "shell/main_window_setup.h"
#include "shell/memo_look.h"
#include "shell/status_line.h"
#include "shell/tool_windows.h"
#include "tools/address_pointer.h"
#include "tools/find_window.h"
#include "win/system_ui.h"
#include "win/window.h"

namespace vantry {

class Tnfonote final : public Window, public FindWindowOwner, public OptionsOwner {
public:
    // Runs the whole construction: settings, fonts, the command-line document. The
    // window is left hidden; show() puts it on the screen at the stored placement.
    explicit Tnfonote(MainWindowSetup setup);
    ~Tnfonote() override;

    void show();
    // The secondary windows it opens; {} lets go of them, and closes those it made.
    void attachToolWindows(ToolWindows windows) { tools_ = std::move(windows); }
    // A message box captioned "Vantry"; returns the pressed button.
    int showMessage(const std::wstring& text, UINT style);

    bool loadDocument(const std::wstring& path, std::wstring_view encodingEntry);
    bool writeDocument(const std::wstring& path, TextEncoding encoding);
    bool isModified() const;
    const DocumentState& document() const { return document_; }

    int dpi() const { return dpi_; }
    const std::wstring& programPath() const override { return programPath_; }
    const std::wstring& programDir() const { return programDir_; }
    Settings& settings() override { return settings_; }
    SettingsStore& store() override { return store_; }
    EditControl& memo() override { return Memo1; }
    HWND statusBar() const { return StatusBar1.handle(); }
    bool isWindowTopmost() const;
    COLORREF backgroundColor() const { return look_.background(); }
    COLORREF textColor() const { return look_.text(); }
    const SaveDialogState& saveDialog() const { return saveDialog_; }
    const PrintJob& printJob() const { return printJob_; }
    bool pointerOverAddress() const { return address_.pointerOverAddress(); }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The menu's commands and the text control's events, by the names users know them by.
    void New1Click();
    void NewWindow1Click();
    void Open1Click();
    void ReopenClick(int item);
    void Save1Click();
    void SaveAs1Click();
    void ExportPng1Click();
    void Print1Click();
    void Fileproperties1Click();
    void Quit1Click();
    void RecentItemClick(int place);
    void Findtext1Click();
    void Replace1Click();
    void Findnext1Click();
    void Goto1Click();
    void Deleteline1Click();
    void Wordwrap1Click();
    void Readonly1Click();
    void Topmost1Click();
    void Statusbar2Click();
    void zoomTo(int percent);  // View > Zoom, Ctrl+Plus/Minus/0, Ctrl+wheel
    void zoomStepBy(int direction);
    void Memo1ControlWheel(int delta);
    void Options1Click();
    void Readme1Click();
    void About1Click();
    void Memo1KeyDown(WPARAM key);
    void Memo1KeyUp(WPARAM key);
    void Memo1MouseDown(int x, int y);
    void Memo1MouseUp(WPARAM keys, int x, int y);
    void Memo1MouseMove(int x, int y) { address_.moved(x, y); }
    void Memo1DblClick() { address_.doubleClicked(); }
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy() { fontFiles_.reset(); }

    // Documents, saving, printing.
    // Reads `path` in `chosen` (None: as the recent list keeps it for the file, else by
    // its bytes) and shows it; `remember` is what the list keeps for it from now on.
    bool openDocument(const std::wstring& path, TextEncoding chosen, std::optional<TextEncoding> remember);
    void showNewDocument(const std::wstring& path, DecodedDocument& decoded);
    bool writeDocument(const std::wstring& path, TextEncoding encoding, std::string_view leadingBytes);
    void prepareReopenMenu(HMENU menu) const;
    void showEncodingMenu();
    void dropFiles(HDROP drop);
    bool askToSaveChanges();
    bool saveDocument();
    bool saveDocumentAs();
    void setDocumentEncoding(TextEncoding encoding);
    void printDocument(PrintDialogAnswer& printer);
    std::wstring firstSelectedLine() const;

    // Start-up and the view.
    void loadSettings();
    void showFirstStartSize();
    void storePlacement(const RECT& bounds);  // the window's place and size, as stored settings
    std::wstring readSetting(int number);
    struct ViewSwitch;  // a switch of the Settings and View menus: command, setting, effect
    static std::span<const ViewSwitch> viewSwitches();
    bool flipSwitch(int menuId);  // false when menuId is no switch
    void applyStoredSwitches();
    void updateCaption();
    void updateStatusBar();
    void applyFontSelection();
    void applyFontProfile(bool useNfo);
    void layoutControls();
    void changeDpi(int dpi, const RECT& suggested);

    // Messages.
    void onCommand(int id);
    static LRESULT memoHook(void* self, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT memoMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The Options dialog's view of this window.
    void setSaveFilterOrder() override;
    void clearRecentFiles() override { recentFiles_.clear(); }
    void refreshRecentMenu() override { recentFiles_.refresh(); }
    void setMemoColors(std::int32_t background, std::int32_t text) override { look_.setColors(background, text); }
    void setTextFont(const FontProfile& profile) override;
    ExtensionKind extensionKind() const override;
    std::int32_t storedBackgroundColor() const override { return look_.storedBackground(); }
    std::int32_t storedTextColor() const override { return look_.storedText(); }
    void showStoredDisplay() override;
    // The find window's view of this window.
    bool isNfoFont() const override { return document_.isNfoFont; }
    bool textInAnsiCodePage() const override;
    void informNotFound(const std::wstring& text) override { showMessage(text, MB_OK | MB_ICONINFORMATION); }
    void showMessageWindow(HWND returnTo, const std::wstring& text) override;
    void focusMainWindow() override;
    void selectionMoved() override { updateStatusBar(); }

    MainWindowSetup setup_;
    ToolWindows tools_;
    SettingsStore store_;
    Settings settings_;
    DocumentState document_;
    std::wstring referenceText_;  // the text as last loaded or saved
    std::wstring programPath_;
    std::wstring programDir_;
    std::optional<BundledFontFiles> fontFiles_;
    EditControl Memo1;
    MemoLook look_{Memo1};
    AddressUnderPointer address_{Memo1, settings_};
    StatusLine StatusBar1;
    int dpi_ = 96;  // of the monitor the window is on
    bool startMaximized_ = false;
    SaveDialogState saveDialog_;
    RecentFiles recentFiles_{settings_, store_};
    PrintJob printJob_;
    int wheelDelta_ = 0;         // a high-resolution wheel's turn short of a notch
    int openEncodingIndex_ = 0;  // the Open dialog's encoding and file type, kept for the run
    int openFilterIndex_ = 1;
};

}  // namespace vantry
