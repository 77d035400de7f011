// The multi-line edit control that shows the document. Changing word wrap re-creates
// the control (the style cannot change on a live control); everything a user sees is
// carried over.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

struct EditSelection {
    DWORD start = 0;
    DWORD end = 0;
};

// One line as the control shows it: where it starts in the text and how many code units
// it has, without its line break.
struct ShownLine {
    size_t start = 0;
    size_t length = 0;
    bool operator==(const ShownLine&) const = default;
};

class EditControl {
public:
    EditControl() = default;
    EditControl(const EditControl&) = delete;
    EditControl& operator=(const EditControl&) = delete;
    ~EditControl();

    void create(HWND parent, int id, bool wordWrap);
    void destroy();
    // Routes the control's messages through `hook` first, which hands each to passOn for
    // the control to act on; kept across re-creation.
    using MessageHook = LRESULT (*)(void* data, UINT message, WPARAM wParam, LPARAM lParam);
    void setMessageHook(MessageHook hook, void* data);
    LRESULT passOn(UINT message, WPARAM wParam, LPARAM lParam) const;
    HWND handle() const { return handle_; }
    bool wordWrap() const { return wordWrap_; }
    // Re-creates the control with the new wrapping; keeps text, selection, first visible
    // line, font, read-only state, focus and place.
    void setWordWrap(bool wordWrap);

    // Changes whenever the text or its layout into lines may have changed.
    std::uint64_t version() const { return version_; }
    void noteChange() { ++version_; }

    int textLength() const { return GetWindowTextLengthW(handle_); }
    std::wstring text() const;
    // Replaces the whole text; the caret goes to the start. Throws Error when the
    // control cannot take the text.
    void setText(const std::wstring& text);
    // Tests: the longest text setText takes, so that a refusal can be seen without
    // exhausting memory.
    void clear();

    bool readOnly() const;
    void setReadOnly(bool readOnly);
    void setFont(HFONT font);
    HFONT font() const { return font_; }
    // The character height of the font in pixels.
    int fontHeight() const { return fontHeight_; }
    // The character set the system gave the font (the script it draws, not the one asked).
    BYTE fontCharSet() const;

    EditSelection selection() const;
    DWORD lineCount() const { return static_cast<DWORD>(SendMessageW(handle_, EM_GETLINECOUNT, 0, 0)); }
    DWORD lineIndex(DWORD line) const { return static_cast<DWORD>(SendMessageW(handle_, EM_LINEINDEX, line, 0)); }
    DWORD lineFromChar(DWORD index) const {
        return static_cast<DWORD>(SendMessageW(handle_, EM_LINEFROMCHAR, index, 0));
    }
    DWORD lineLength(DWORD index) const { return static_cast<DWORD>(SendMessageW(handle_, EM_LINELENGTH, index, 0)); }
    // Every line of `content`, the control's whole text, as the control shows it, in time
    // linear in the text; with word wrap each displayed line is one. Ends with an empty
    // line when the text ends with a line break. Up to `askedUpTo` lines the control is
    // asked for each line, which is quicker than wrapping the text again while the lines
    // are few, though it counts from the first line each time.
    static constexpr DWORD kLinesAskedDirectly = 10000;
    std::vector<ShownLine> shownLines(const std::wstring& content, DWORD askedUpTo = kLinesAskedDirectly) const;
    void setSelection(EditSelection selection);
    // Selects and brings the caret into view.
    void selectAndShow(EditSelection selection);
    // The selected characters.
    std::wstring selectedText() const;
    // Replaces the selection by `text` as one step the user can undo, keeps the line at
    // the top of the view, then selects the replacement and brings it into view.
    void replaceSelection(const std::wstring& text);
    // Replaces the whole text as one step the user can undo, without drawing meanwhile;
    // keeps the top line and selects `selection`.
    void replaceAllText(const std::wstring& text, EditSelection selection);
    int firstVisibleLine() const;
    // Scrolls so that `line` is the first in view (as near as the text allows).
    void scrollToLine(int line);
    // Whether the line that holds the caret shows, whole or in part.
    bool caretLineInView() const;
    // Scrolls as little as it takes for the caret to show.
    void scrollCaretIntoView();
    bool hasFocus() const { return GetFocus() == handle_; }

private:
    HWND handle_ = nullptr;
    HWND parent_ = nullptr;
    int id_ = 0;
    bool wordWrap_ = false;
    HFONT font_ = nullptr;  // owned by the main window
    int fontHeight_ = 0;
    int lineHeight_ = 1;  // of the font set: its cell, leading included
    std::uint64_t version_ = 0;
    static LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    WNDPROC controlProcedure_ = nullptr;  // the system's, which the hook passes messages on to
    MessageHook hook_ = nullptr;
    void* hookData_ = nullptr;
};

// The control's text read in place, without copying a large document (a copy where the
// control does not lend its buffer). The control must not receive input, nor any message,
// while this lives: ask it what is needed before.
class EditTextLock {
public:
    explicit EditTextLock(const EditControl& memo);
    EditTextLock(const EditTextLock&) = delete;
    EditTextLock& operator=(const EditTextLock&) = delete;
    ~EditTextLock();
    std::wstring_view text() const { return text_; }

private:
    HLOCAL buffer_;
    bool locked_ = false;
    std::wstring copy_;
    std::wstring_view text_;
};

}  // namespace vantry
