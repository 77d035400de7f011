// The non-modal "Find text" window with its Find and Replace tabs, and F3.
#pragma once

#include <string>

#include "settings/settings_store.h"
#include "tools/portable/text_search.h"
#include "win/dialog.h"
#include "win/edit_control.h"
#include "win/handles.h"
#include "win/tooltips.h"

namespace vantry {

// What the find window works on and reports through: the main window's side of it.
class FindWindowOwner {
public:
    virtual EditControl& memo() = 0;
    virtual SettingsStore& store() = 0;
    virtual bool isNfoFont() const = 0;           // the document is shown in the NFO face
    virtual bool textInAnsiCodePage() const = 0;  // read with it: art at the characters 1252 gives its bytes
    virtual void informNotFound(const std::wstring& text) = 0;  // the program's information box
    virtual void showMessageWindow(HWND returnTo, const std::wstring& text) = 0;
    virtual void focusMainWindow() = 0;
    virtual void selectionMoved() = 0;  // a search or replacement moved the caret

protected:
    ~FindWindowOwner() = default;
};

class TMyFind final : public Dialog {
public:
    static constexpr int kFindTab = 0;
    static constexpr int kReplaceTab = 1;

    TMyFind(HWND owner, FindWindowOwner& host);

    void showFind(const std::wstring& text, int tab);
    void findNext();
    bool runSearch(bool showNotFound);
    bool searchText(bool showNotFound, bool matchCase, bool loop, bool fromTop);
    void setTab(int tab);
    int tab() const { return tab_; }
    bool notFoundLabelShown() const;

    // The handlers of the buttons, for the keys and clicks that reach them.
    void findButtonClick();
    void replaceButtonClick();
    void replaceAllButtonClick();

private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void onCommand(int id, int code, HWND control) override;
    void FormActivate();
    void FormClose();
    void findTextFieldChange();
    void optionClick(int id);
    bool checked(int id) const;
    bool readOnlyRefused();
    int windowHeight() const;
    void moveClearOfMatch();
    const LowerCaseTable& lowerCase();

    FindWindowOwner& host_;
    std::wstring lastSearch_;
    int tab_ = kFindTab;
    ControlTooltips tooltips_;
    GdiObject<HFONT> nfoFieldFont_;
    GdiObject<HFONT> ansiNfoFieldFont_;  // the NFO face's companion for text read with the ANSI code page
    GdiObject<HFONT> textFieldFont_;
    GdiObject<HFONT> labelFont_;
    LowerCaseTable lowerCase_;
};

}  // namespace vantry
