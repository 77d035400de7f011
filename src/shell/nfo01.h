// The main window: the document in Memo1, the menu, the status bar, start-up from the
// stored settings and the orderly close.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "documents/portable/print_layout.h"
#include "documents/recent_files_menu.h"
#include "documents/portable/save_filters.h"
#include "documents/portable/text_encoding.h"
#include "settings/display_font.h"
#include "settings/portable/font_choice.h"
#include "settings/options_dialog.h"
#include "settings/portable/settings_record.h"
#include "settings/settings_store.h"
#include "shell/portable/edit_commands.h"
#include "shell/tool_windows.h"
#include "tools/find_window.h"
#include "tools/address_pointer.h"
#include "win/edit_control.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/system_ui.h"
#include "win/window.h"

namespace vantry {

struct DocumentState {
    std::wstring fileName{kNoFileName};
    TextEncoding documentEncoding = TextEncoding::None;
    bool isNfoFont = false;
};

struct MainWindowSetup {
    std::wstring programPath;                    // the running executable, long form
    std::optional<std::wstring> commandLineFile; // first argument, if any
    std::wstring settingsKeyPath{kSettingsKeyPath};
    std::function<void()> onClosed;              // ends the message loop
};

class Tnfonote final : public Window, public FindWindowOwner, public OptionsOwner {
public:
    // Runs the whole construction: settings, fonts, the command-line document. The
    // window is left hidden; show() puts it on the screen at the stored placement.
    explicit Tnfonote(MainWindowSetup setup);
    ~Tnfonote() override;

    void show();
    // The secondary windows it opens; {} lets go of them.
    void attachToolWindows(const ToolWindows& windows) { tools_ = windows; }
    // A message box captioned "Vantry"; returns the pressed button.
    int showMessage(const std::wstring& text, UINT style);

    // The document.
    bool loadDocument(const std::wstring& path, std::wstring_view encodingEntry);
    bool writeDocument(const std::wstring& path, TextEncoding encoding);
    bool isModified() const;
    const DocumentState& document() const { return document_; }
    void addRecentFile(const std::wstring& path);
    void removeRecentFile(const std::wstring& path);
    void replaceSelection(const std::wstring& text) { Memo1.replaceSelection(text); }

    // What the window holds and shows.
    int dpi() const { return dpi_; }
    const std::wstring& programPath() const override { return programPath_; }
    const std::wstring& programDir() const { return programDir_; }
    Settings& settings() override { return settings_; }
    SettingsStore& store() override { return store_; }
    EditControl& memo() override { return Memo1; }
    HWND statusBar() const { return StatusBar1; }
    bool isWindowTopmost() const;
    COLORREF backgroundColor() const { return colorFromSetting(backgroundValue_); }
    COLORREF textColor() const { return colorFromSetting(textValue_); }
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
    void Options1Click();
    void Readme1Click();
    void About1Click();
    void Memo1KeyDown(WPARAM key);
    void Memo1KeyUp(WPARAM key);
    void Memo1MouseDown(int x, int y);
    void Memo1MouseUp(WPARAM keys, int x, int y);
    void Memo1MouseMove(int x, int y) { address_.moved(x, y); }
    void Memo1DblClick() { address_.doubleClicked(); }

    // Documents, saving, printing.
    void dropFiles(HDROP drop);
    bool askToSaveChanges();
    bool saveDocument();
    bool saveDocumentAs();
    void setDocumentEncoding(TextEncoding encoding);
    void printDocument(PrintDialogAnswer& printer);
    std::wstring firstSelectedLine() const;

    // The view.
    void updateCaption();
    void updateStatusBar();
    void applyFontSelection();
    void applyFontProfile(bool useNfo);

    // The Options dialog's view of this window.
    void setSaveFilterOrder() override;
    void clearRecentFiles() override;
    void refreshRecentMenu() override;
    void setMemoColors(std::int32_t background, std::int32_t text) override;
    void setTextFont(const FontProfile& profile) override;
    ExtensionKind extensionKind() const override;
    std::int32_t storedBackgroundColor() const override;
    std::int32_t storedTextColor() const override;
    void showStoredDisplay() override;
    // The find window's view of this window.
    bool isNfoFont() const override;
    void informNotFound(const std::wstring& text) override;
    void showMessageWindow(HWND returnTo, const std::wstring& text) override;
    void focusMainWindow() override;
    void selectionMoved() override;

    void showNewDocument(const std::wstring& path, const std::wstring& text, TextEncoding encoding);
    static LRESULT CALLBACK memoHook(HWND memo, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    LRESULT memoMessage(HWND memo, UINT message, WPARAM wParam, LPARAM lParam);
    // The switches of the Settings and View menus, one row each: its command, its
    // setting, how the window shows it and, for one that follows the window rather than
    // its stored text, what the window shows now.
    struct ViewSwitch {
        int menuId;
        Setting setting;
        void (*apply)(Tnfonote& window, bool on);
        bool (*shown)(const Tnfonote& window);  // nullptr: only a stored "0" or "1" flips
    };
    static std::span<const ViewSwitch> viewSwitches();
    bool flipSwitch(int menuId);  // false when menuId is no switch
    void applyStoredSwitches();
    void setSwitchCheck(int menuId, bool checked);
    void removeObsoleteNumberedValues();
    void registerFontFiles();
    void loadSettings();
    std::wstring readSetting(int number);
    void applyColors();
    void applyPlacementSettings();
    void layoutControls();
    void setStatusPanels();
    void changeDpi(int dpi, const RECT& suggested);
    void onCommand(int id);
    EditState editState() const;
    void updateEditMenu(HMENU editMenu);
    void runEditCommand(EditCommand command);
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    LRESULT colorMemo(HDC dc);

    MainWindowSetup setup_;
    ToolWindows tools_;
    SettingsStore store_;
    Settings settings_;
    DocumentState document_;
    std::wstring referenceText_;  // the text as last loaded or saved
    std::wstring programPath_;
    std::wstring programDir_;
    std::unique_ptr<PrivateFontFile> screenFonts_;
    std::unique_ptr<PrivateFontFile> printerFonts_;
    EditControl Memo1;
    AddressUnderPointer address_{Memo1, settings_};
    HWND StatusBar1 = nullptr;
    GdiObject<HFONT> memoFont_;
    FontProfile memoFontProfile_;
    int memoFontDpi_ = 0;
    int dpi_ = 96;  // of the monitor the window is on
    GdiObject<HBRUSH> backgroundBrush_;
    std::int32_t backgroundValue_ = 0;  // as stored, for the Options dialog to store back
    std::int32_t textValue_ = 0;
    RECT normalBounds_{};
    bool startMaximized_ = false;
    SaveDialogState saveDialog_;
    RecentFiles recentFiles_{settings_, store_};
    PrintJob printJob_;
    int openEncodingIndex_ = 0;  // the Open dialog's encoding, kept for the run
    int openFilterIndex_ = 1;
    std::wstring shownPosition_;
    std::wstring shownPath_;
    std::wstring_view shownEncoding_;
};

}  // namespace vantry
