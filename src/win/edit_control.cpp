#include "win/edit_control.h"

#include <algorithm>
#include <utility>

#include "win/error.h"
#include "win/handles.h"

namespace vantry {
namespace {

// A twin control is given the text this many code units at a time, or one paragraph
// when a paragraph is longer: few enough lines that asking for each stays cheap.
constexpr size_t kTwinPiece = 32 * 1024;

// The lines of a control's text asked for one by one: the control counts from its first
// line to answer, so this suits only a control of few lines.
void appendLinesOf(HWND control, size_t offset, std::vector<ShownLine>& lines) {
    const auto count = static_cast<DWORD>(SendMessageW(control, EM_GETLINECOUNT, 0, 0));
    for (DWORD line = 0; line < count; ++line) {
        const auto start = static_cast<DWORD>(SendMessageW(control, EM_LINEINDEX, line, 0));
        lines.push_back({offset + start, static_cast<size_t>(SendMessageW(control, EM_LINELENGTH, start, 0))});
    }
}

// The width the control wraps its text at.
int formatWidth(HWND control) {
    RECT format{};
    SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return format.right - format.left;
}

// Once its buffer has been lent out (EditTextLock), a control may leave freeing it to the
// program: it gets an empty one to free instead, and the program frees the lent one.
void reclaimText(HWND edit) {
    const auto lent = reinterpret_cast<HLOCAL>(SendMessageW(edit, EM_GETHANDLE, 0, 0));
    const HLOCAL empty = lent ? LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(wchar_t)) : nullptr;
    if (empty) {
        SendMessageW(edit, EM_SETHANDLE, reinterpret_cast<WPARAM>(empty), 0);
        LocalFree(lent);
    }
}

}  // namespace

EditControl::~EditControl() { destroy(); }

void EditControl::destroy() {
    if (!handle_) return;
    DestroyWindow(std::exchange(handle_, nullptr));
}

// The control's own procedure is replaced rather than subclassed through the common
// controls: their subclassing looks up a window property on every message, which costs
// a round trip to the Wine server, and the pointer and the keys send many messages.
LRESULT CALLBACK EditControl::procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* self = reinterpret_cast<const EditControl*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
    if (message == WM_DESTROY) reclaimText(edit);
    // A control being replaced (word wrap switched) is no longer the program's to hear.
    if (self->hook_ && edit == self->handle_) return self->hook_(self->hookData_, message, wParam, lParam);
    return CallWindowProcW(self->controlProcedure_, edit, message, wParam, lParam);
}

LRESULT EditControl::passOn(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(controlProcedure_, handle_, message, wParam, lParam);
}

void EditControl::create(HWND parent, int id, bool wordWrap) {
    noteChange();
    parent_ = parent;
    id_ = id;
    wordWrap_ = wordWrap;
    DWORD style =
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN;
    if (!wordWrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    handle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!handle_) throw Error(systemErrorText(GetLastError()));
    // Without this the control stops at 30,000 characters; 0 means as much as it can hold.
    SendMessageW(handle_, EM_SETLIMITTEXT, 0, 0);
    if (font_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    controlProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditControl::procedure)));
}

void EditControl::setMessageHook(MessageHook hook, void* data) {
    hook_ = hook;
    hookData_ = data;
}

void EditControl::setWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_ && handle_) return;
    const HWND old = handle_;
    const std::wstring content = text();
    const EditSelection kept = selection();
    const int firstLine = firstVisibleLine();
    const bool wasReadOnly = readOnly();
    const bool focused = hasFocus();
    RECT bounds{};
    GetWindowRect(old, &bounds);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&bounds), 2);

    create(parent_, id_, wordWrap);
    SetWindowPos(handle_, old, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOACTIVATE);
    DestroyWindow(old);
    setText(content);
    setReadOnly(wasReadOnly);
    // Selecting may scroll the caret into view, so the scrolling comes last.
    setSelection(kept);
    scrollToLine(firstLine);
    if (focused) SetFocus(handle_);
}

std::wstring EditControl::text() const {
    std::wstring content(static_cast<size_t>(textLength()) + 1, L'\0');
    const int copied = GetWindowTextW(handle_, content.data(), static_cast<int>(content.size()));
    content.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return content;
}

void EditControl::setText(const std::wstring& content) {
    noteChange();
    // A control that cannot hold all of it may keep only a part: that is a refusal too.
    if (!SetWindowTextW(handle_, content.c_str()) || static_cast<size_t>(textLength()) != content.size()) {
        throw Error(L"Text exceeds memo capacity");
    }
    SendMessageW(handle_, EM_SETSEL, 0, 0);
    SendMessageW(handle_, EM_SCROLLCARET, 0, 0);
}

void EditControl::clear() {
    noteChange();
    SetWindowTextW(handle_, L"");
}

void EditControl::selectAndShow(EditSelection selection) {
    setSelection(selection);
    scrollCaretIntoView();
}

std::wstring EditControl::selectedText() const {
    const EditSelection selected = selection();
    if (selected.start >= selected.end) return {};
    return text().substr(selected.start, selected.end - selected.start);
}

void EditControl::replaceSelection(const std::wstring& replacement) {
    noteChange();
    const int top = firstVisibleLine();
    const DWORD start = selection().start;
    SendMessageW(handle_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacement.c_str()));
    scrollToLine(top);
    selectAndShow({start, start + static_cast<DWORD>(replacement.size())});
}

void EditControl::replaceAllText(const std::wstring& replacement, EditSelection selected) {
    noteChange();
    const int top = firstVisibleLine();
    SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(handle_, EM_SETSEL, 0, -1);
    SendMessageW(handle_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacement.c_str()));
    setSelection(selected);
    scrollToLine(top);
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(handle_, nullptr, TRUE);
}

bool EditControl::readOnly() const { return (GetWindowLongPtrW(handle_, GWL_STYLE) & ES_READONLY) != 0; }

void EditControl::setReadOnly(bool readOnly) { SendMessageW(handle_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0); }

void EditControl::setFont(HFONT font) {
    noteChange();
    font_ = font;
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    const WindowDeviceContext dc(handle_);
    const ScopedSelection selected(dc.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    lineHeight_ = std::max(static_cast<int>(metrics.tmHeight), 1);
    fontHeight_ = description.lfHeight < 0 ? -description.lfHeight : description.lfHeight;
    if (fontHeight_ == 0) fontHeight_ = metrics.tmHeight;
}

BYTE EditControl::fontCharSet() const {
    const WindowDeviceContext dc(handle_);
    const ScopedSelection selected(dc.get(), font_ ? font_ : GetStockObject(SYSTEM_FONT));
    return static_cast<BYTE>(GetTextCharset(dc.get()));
}

std::vector<ShownLine> EditControl::shownLines(const std::wstring& content, DWORD askedUpTo) const {
    std::vector<ShownLine> lines;
    if (!wordWrap_) {
        size_t start = 0;
        for (size_t found; (found = content.find(L"\r\n", start)) != std::wstring::npos; start = found + 2) {
            lines.push_back({start, found - start});
        }
        lines.push_back({start, content.size() - start});
        return lines;
    }
    if (lineCount() <= askedUpTo) {
        appendLinesOf(handle_, 0, lines);
        return lines;
    }
    // This control counts from its first line to find any line's start, so asking it for
    // every line takes time growing with the square of the lines. A hidden twin (its
    // class, style, font, margins and width for text) gets the text a few whole
    // paragraphs at a time instead: a paragraph wraps alone as it wraps among others.
    RECT bounds{};
    GetWindowRect(handle_, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE)) & ~(WS_CHILD | WS_VISIBLE);
    // Unowned, so that its notifications reach no window.
    const UniqueWindow twin(CreateWindowExW(static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE)), L"EDIT", L"",
                                            style | WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
    if (twin) {
        SendMessageW(twin.get(), EM_SETLIMITTEXT, 0, 0);
        SendMessageW(twin.get(), WM_SETFONT, static_cast<WPARAM>(SendMessageW(handle_, WM_GETFONT, 0, 0)), FALSE);
        SendMessageW(twin.get(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     SendMessageW(handle_, EM_GETMARGINS, 0, 0));
        // A frame without a scroll bar would leave more room for text.
        SetWindowPos(twin.get(), nullptr, 0, 0, width + formatWidth(handle_) - formatWidth(twin.get()), height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (size_t start = 0; twin;) {
        size_t end = content.size();
        if (end - start > kTwinPiece) {
            const size_t lineBreak = content.find(L"\r\n", start + kTwinPiece - 1);
            if (lineBreak != std::wstring::npos) end = lineBreak + 2;
        }
        SetWindowTextW(twin.get(), content.substr(start, end - start).c_str());
        if (formatWidth(twin.get()) != formatWidth(handle_)) break;
        appendLinesOf(twin.get(), start, lines);
        if (end == content.size()) return lines;
        lines.pop_back();  // the empty line after the piece's last line break begins the next piece
        start = end;
    }
    // Without a twin that wraps as the control does, the control itself answers.
    lines.clear();
    appendLinesOf(handle_, 0, lines);
    return lines;
}

EditSelection EditControl::selection() const {
    // The positions are written in full even where the return value cannot hold them.
    EditSelection current;
    SendMessageW(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&current.start), reinterpret_cast<LPARAM>(&current.end));
    return current;
}

void EditControl::setSelection(EditSelection selection) {
    SendMessageW(handle_, EM_SETSEL, selection.start, static_cast<LPARAM>(selection.end));
}

int EditControl::firstVisibleLine() const {
    return static_cast<int>(SendMessageW(handle_, EM_GETFIRSTVISIBLELINE, 0, 0));
}

void EditControl::scrollToLine(int line) { SendMessageW(handle_, EM_LINESCROLL, 0, line - firstVisibleLine()); }

bool EditControl::caretLineInView() const {
    RECT shown{};
    SendMessageW(handle_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
    const int lines = std::max(1, (static_cast<int>(shown.bottom - shown.top) + lineHeight_ - 1) / lineHeight_);
    const int first = firstVisibleLine();
    const auto caretLine = static_cast<int>(lineFromChar(selection().end));
    return caretLine >= first && caretLine < first + lines;
}

void EditControl::scrollCaretIntoView() { SendMessageW(handle_, EM_SCROLLCARET, 0, 0); }

// Everything asked of the control is asked before its buffer is locked.
EditTextLock::EditTextLock(const EditControl& memo)
    : buffer_(reinterpret_cast<HLOCAL>(SendMessageW(memo.handle(), EM_GETHANDLE, 0, 0))) {
    const auto length = static_cast<size_t>(memo.textLength());
    const auto* text = buffer_ ? static_cast<const wchar_t*>(LocalLock(buffer_)) : nullptr;
    locked_ = text != nullptr;
    if (locked_) {
        text_ = std::wstring_view(text, length);
    } else {
        copy_ = memo.text();  // nothing is locked
        text_ = copy_;
    }
}

EditTextLock::~EditTextLock() {
    if (locked_) LocalUnlock(buffer_);
}

}  // namespace vantry
