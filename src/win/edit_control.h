// The multi-line edit control that shows the document. Changing word wrap re-creates
// the control (the style cannot change on a live control); everything a user sees is
// carried over.
#pragma once

#include <windows.h>

#include <string>

namespace vantry {

struct EditSelection {
    DWORD start = 0;
    DWORD end = 0;
};

class EditControl {
public:
    EditControl() = default;
    EditControl(const EditControl&) = delete;
    EditControl& operator=(const EditControl&) = delete;
    ~EditControl();

    void create(HWND parent, int id, bool wordWrap);
    void destroy();
    HWND handle() const { return handle_; }
    bool wordWrap() const { return wordWrap_; }
    // Re-creates the control with the new wrapping; keeps text, selection, first visible
    // line, font, read-only state, focus and place.
    void setWordWrap(bool wordWrap);

    int textLength() const { return GetWindowTextLengthW(handle_); }
    std::wstring text() const;
    // Replaces the whole text; the caret goes to the start. Throws Error when the
    // control cannot take the text.
    void setText(const std::wstring& text);
    void clear();

    bool readOnly() const;
    void setReadOnly(bool readOnly);
    void setFont(HFONT font);

    EditSelection selection() const;
    void setSelection(EditSelection selection);
    int firstVisibleLine() const;
    bool hasFocus() const { return GetFocus() == handle_; }

private:
    HWND handle_ = nullptr;
    HWND parent_ = nullptr;
    int id_ = 0;
    bool wordWrap_ = false;
    HFONT font_ = nullptr;  // owned by the main window
};

}  // namespace vantry
