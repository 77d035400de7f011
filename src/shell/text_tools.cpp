// The main window's text tools: the find window, go to line, delete line, the readme
// viewer and the about box.
#include "shell/nfo01.h"
#include "tools/about_box.h"
#include "tools/goto_dialog.h"
#include "tools/message_dialog.h"
#include "tools/readme_viewer.h"
#include "tools/portable/line_numbers.h"

namespace vantry {

// Message boxes are owned by the active window, with the find window out of the way first.
int Tnfonote::showMessage(const std::wstring& text, UINT style) {
    if (const TMyFind* find = tools_.find.ifMade(); find && find->isShowing()) ShowWindow(find->handle(), SW_HIDE);
    return systemUi().messageBox(GetActiveWindow(), text, L"Vantry", style);
}

void Tnfonote::Findtext1Click() {
    if (TMyFind* find = tools_.find.get()) find->showFind(firstSelectedLine(), TMyFind::kFindTab);
}

void Tnfonote::Replace1Click() {
    if (TMyFind* find = tools_.find.get()) find->showFind(firstSelectedLine(), TMyFind::kReplaceTab);
}

void Tnfonote::Findnext1Click() {
    if (TMyFind* find = tools_.find.get()) find->findNext();
}

std::wstring Tnfonote::firstSelectedLine() const { return std::wstring(firstLineOf(Memo1.selectedText())); }

void Tnfonote::showMessageWindow(HWND returnTo, const std::wstring& text) {
    if (TmessageDialog* message = tools_.message.get()) message->showMessageWindow(returnTo, text);
}

void Tnfonote::focusMainWindow() {
    SetForegroundWindow(handle());
    SetFocus(Memo1.handle());
}

// Lines as the control counts them (display lines while wrapping); an empty last line
// after a final line break is not offered.
void Tnfonote::Goto1Click() {
    TGoto* goTo = tools_.goTo.get();
    if (!goTo) return;
    const DWORD lines = Memo1.lineCount();
    const bool endsWithBreak = lines > 1 && Memo1.lineLength(Memo1.lineIndex(lines - 1)) == 0;
    const std::optional<std::uint32_t> line =
        lineIndexOfNumber(goTo->askLineNumber(offeredLineCount(lines, endsWithBreak)));
    if (!line) return;
    const auto start = static_cast<DWORD>(SendMessageW(Memo1.handle(), EM_LINEINDEX, *line, 0));
    if (start == static_cast<DWORD>(-1)) return;
    Memo1.selectAndShow({start, start});
    updateStatusBar();
}

// A selection goes as one undoable step; without one, the caret's line goes with its
// line break (the last line keeps the break before it).
void Tnfonote::Deleteline1Click() {
    const EditSelection selected = Memo1.selection();
    if (selected.start != selected.end) {
        Memo1.replaceSelection(L"");
        return updateStatusBar();
    }
    const DWORD line = Memo1.lineFromChar(selected.start);
    const DWORD start = Memo1.lineIndex(line);
    if (start == static_cast<DWORD>(-1)) return;
    DWORD end = Memo1.lineIndex(line + 1);
    if (end == static_cast<DWORD>(-1)) end = start + Memo1.lineLength(start);
    Memo1.noteChange();
    Memo1.setSelection({start, end});
    SendMessageW(Memo1.handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    updateStatusBar();
}

void Tnfonote::Readme1Click() {
    if (TReadMe* readMe = tools_.readMe.get()) readMe->showModal();
}

void Tnfonote::About1Click() {
    if (Tabout* about = tools_.about.get()) about->showModal();
}

}  // namespace vantry
