#include "win/edit_control.h"

#include <algorithm>
#include <utility>

#include "win/error.h"
#include "win/handles.h"

namespace vantry {

EditControl::~EditControl() { destroy(); }

void EditControl::destroy() {
    if (!handle_) return;
    if (hook_) RemoveWindowSubclass(handle_, hook_, 1);
    DestroyWindow(std::exchange(handle_, nullptr));
}

void EditControl::create(HWND parent, int id, bool wordWrap) {
    noteChange();
    parent_ = parent;
    id_ = id;
    wordWrap_ = wordWrap;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                  ES_NOHIDESEL | ES_WANTRETURN;
    if (!wordWrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    handle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
    if (!handle_) throw Error(systemErrorText(GetLastError()));
    // Without this the control stops at 30,000 characters; 0 means as much as it can hold.
    SendMessageW(handle_, EM_SETLIMITTEXT, 0, 0);
    if (font_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (hook_) SetWindowSubclass(handle_, hook_, 1, hookData_);
}

void EditControl::setMessageHook(SUBCLASSPROC hook, DWORD_PTR data) {
    hook_ = hook;
    hookData_ = data;
    if (handle_) SetWindowSubclass(handle_, hook_, 1, hookData_);
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

    if (hook_) RemoveWindowSubclass(old, hook_, 1);
    create(parent_, id_, wordWrap);
    SetWindowPos(handle_, old, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOACTIVATE);
    DestroyWindow(old);
    setText(content);
    setReadOnly(wasReadOnly);
    // Selecting may scroll the caret into view, so the scrolling comes last.
    setSelection(kept);
    SendMessageW(handle_, EM_LINESCROLL, 0, firstLine - firstVisibleLine());
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
    if (!SetWindowTextW(handle_, content.c_str()) ||
        static_cast<size_t>(textLength()) != content.size()) {
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
    SendMessageW(handle_, EM_SCROLLCARET, 0, 0);
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
    SendMessageW(handle_, EM_LINESCROLL, 0, top - firstVisibleLine());
    selectAndShow({start, start + static_cast<DWORD>(replacement.size())});
}

void EditControl::replaceAllText(const std::wstring& replacement, EditSelection selected) {
    noteChange();
    const int top = firstVisibleLine();
    SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(handle_, EM_SETSEL, 0, -1);
    SendMessageW(handle_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacement.c_str()));
    setSelection(selected);
    SendMessageW(handle_, EM_LINESCROLL, 0, top - firstVisibleLine());
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(handle_, nullptr, TRUE);
}

bool EditControl::readOnly() const {
    return (GetWindowLongPtrW(handle_, GWL_STYLE) & ES_READONLY) != 0;
}

void EditControl::setReadOnly(bool readOnly) {
    SendMessageW(handle_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void EditControl::setFont(HFONT font) {
    noteChange();
    font_ = font;
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    fontHeight_ = description.lfHeight < 0 ? -description.lfHeight : description.lfHeight;
    if (fontHeight_ == 0) {
        const WindowDeviceContext dc(handle_);
        const ScopedSelection selected(dc.get(), font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc.get(), &metrics);
        fontHeight_ = metrics.tmHeight;
    }
}

BYTE EditControl::fontCharSet() const {
    const WindowDeviceContext dc(handle_);
    const ScopedSelection selected(dc.get(), font_ ? font_ : GetStockObject(SYSTEM_FONT));
    return static_cast<BYTE>(GetTextCharset(dc.get()));
}

std::wstring EditControl::lineText(DWORD line, DWORD lineStart) const {
    if (lineStart == static_cast<DWORD>(-1)) return {};
    const DWORD length = std::min<DWORD>(lineLength(lineStart), 0xFFFF);
    std::wstring text(std::max<DWORD>(length, 1), L'\0');
    text[0] = static_cast<wchar_t>(text.size());  // EM_GETLINE reads the room from the first unit
    const auto copied = static_cast<size_t>(SendMessageW(handle_, EM_GETLINE, line, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min<size_t>(copied, length));
    return text;
}

EditSelection EditControl::selection() const {
    // The positions are written in full even where the return value cannot hold them.
    EditSelection current;
    SendMessageW(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&current.start),
                 reinterpret_cast<LPARAM>(&current.end));
    return current;
}

void EditControl::setSelection(EditSelection selection) {
    SendMessageW(handle_, EM_SETSEL, selection.start, static_cast<LPARAM>(selection.end));
}

int EditControl::firstVisibleLine() const {
    return static_cast<int>(SendMessageW(handle_, EM_GETFIRSTVISIBLELINE, 0, 0));
}

}  // namespace vantry
