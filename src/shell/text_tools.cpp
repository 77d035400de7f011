// The main window's text tools: the find window, go to line, delete line, the readme
// viewer and the about box.
#include "shell/message_box.h"
#include "shell/nfo01.h"
#include "shell/windows.h"
#include "tools/line_numbers.h"

namespace vantry {

void Tnfonote::Findtext1Click() {
    if (MyFind) MyFind->showFind(firstSelectedLine(), TMyFind::kFindTab);
}

void Tnfonote::Replace1Click() {
    if (MyFind) MyFind->showFind(firstSelectedLine(), TMyFind::kReplaceTab);
}

void Tnfonote::Findnext1Click() {
    if (MyFind) MyFind->findNext();
}

std::wstring Tnfonote::firstSelectedLine() const { return std::wstring(firstLineOf(Memo1.selectedText())); }

FindWindowHost Tnfonote::findWindowHost() {
    FindWindowHost host;
    host.memo = &Memo1;
    host.store = &store_;
    host.isNfoFont = [this] { return document_.isNfoFont; };
    host.informNotFound = [](const std::wstring& text) { showMessageBox(text, L"Vantry", MB_OK | MB_ICONINFORMATION); };
    host.showMessageWindow = [](HWND returnTo, const std::wstring& text) {
        if (messageDialog) messageDialog->showMessageWindow(returnTo, text);
    };
    host.focusMainWindow = [this] {
        SetForegroundWindow(handle());
        SetFocus(Memo1.handle());
    };
    host.selectionMoved = [this] { updateStatusBar(); };
    return host;
}

// Lines as the control counts them (display lines while wrapping); an empty last line
// after a final line break is not offered.
void Tnfonote::Goto1Click() {
    if (!Goto) return;
    const DWORD lines = Memo1.lineCount();
    const bool endsWithBreak = lines > 1 && Memo1.lineLength(Memo1.lineIndex(lines - 1)) == 0;
    const std::optional<std::uint32_t> line =
        lineIndexOfNumber(Goto->askLineNumber(offeredLineCount(lines, endsWithBreak)));
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
    if (ReadMe) ReadMe->showModal();
}

void Tnfonote::About1Click() {
    if (about) about->showModal();
}

}  // namespace vantry
