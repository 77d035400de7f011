// The modal "Options" dialog: every setting of the program in one place, colours and
// fonts previewed on the document, file associations made at once.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "settings/file_associations.h"
#include "settings/portable/font_choice.h"
#include "settings/portable/options_rules.h"
#include "settings/portable/settings_record.h"
#include "settings/settings_store.h"
#include "win/dialog.h"
#include "win/handles.h"
#include "win/tooltips.h"

namespace vantry {

// What the Options dialog works on: the main window's settings, colours and font.
class OptionsOwner {
public:
    virtual Settings& settings() = 0;
    virtual SettingsStore& store() = 0;
    virtual const std::wstring& programPath() const = 0;
    // The document's colours as stored values (0x00BBGGRR, negative for system colours).
    virtual std::int32_t storedBackgroundColor() const = 0;
    virtual std::int32_t storedTextColor() const = 0;
    virtual void setMemoColors(std::int32_t background, std::int32_t text) = 0;  // a preview
    virtual void setTextFont(const FontProfile& profile) = 0;                    // a preview
    virtual ExtensionKind extensionKind() const = 0;
    // Colours and font as the settings say (after Cancel: as before the dialog).
    virtual void showStoredDisplay() = 0;
    virtual void setSaveFilterOrder() = 0;
    virtual void refreshRecentMenu() = 0;
    virtual void clearRecentFiles() = 0;

protected:
    ~OptionsOwner() = default;
};

class TOptions final : public Dialog, private OptionsControls {
public:
    TOptions(HWND parent, OptionsOwner& owner);

    // Shows the dialog until OK, Cancel, Escape or the close box.
    void showOptions();

    // The handlers, for the clicks that reach them.
    void colorClick();
    void color2Click();
    void radio1Click();
    void btnChangeNfoFontClick();
    void btnChangeTextFontClick();
    void btnDefaultNfoClick();
    void btnDefaultTxtClick();
    void btnNfoClick();
    void btnDizClick();
    void btnTxt2Click();
    void btnAddClick();
    void checkAllClick();
    void ClearRecentListButtonClick();
    void btnOKClick();
    void btnCancelClick();

    const FontProfile& nfoPreferences() const { return nfoPreferences_; }
    const FontProfile& textPreferences() const { return textPreferences_; }

private:
    void onShowing() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void onCommand(int id, int code, HWND control) override;
    void FormShow();
    void FormClose();
    void setupControls();
    void drawSwatch(const DRAWITEMSTRUCT& item) const;
    void chooseColor(bool background);
    void chooseFont(FontProfile& preferences, FontProfile& chooserFont);
    void useFont(FontProfile& preferences, FontProfile& chooserFont, const FontProfile& font);
    void showFontLabels();
    void previewFontSelection();
    // The simple controls shown and read by their rows, and what OK stores.
    void showState(const OptionsField& field, int state);
    int state(const OptionsField& field) const override;
    std::int32_t colour(int swatch) const override;
    FontProfile font(int label) const override;
    void setChecked(int id, bool checked);
    bool checked(int id) const;
    void selectRadio(int firstItem, int item);
    int selectedRadio(int firstItem) const;

    OptionsOwner& owner_;
    FileAssociations associations_;
    ControlTooltips tooltips_;
    FontProfile nfoPreferences_;
    FontProfile textPreferences_;
    // The choosers' current fonts (face, size and style), kept between openings.
    FontProfile nfoChooserFont_;
    FontProfile textChooserFont_;
    std::array<COLORREF, 16> customColors_{};
    int contextEntryMarker_ = 0;  // 1 while the dialog believes "View with Vantry" is there
};

}  // namespace vantry
