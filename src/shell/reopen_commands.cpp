// File > Reopen with encoding, and the same choices when the status bar's encoding is
// clicked: the file read again from disk in another encoding, in the same place.
#include "shell/nfo01.h"

#include <algorithm>

#include "documents/document_file.h"
#include "shell/resource.h"
#include "win/system_ui.h"

namespace vantry {
namespace {

static_assert(IDM_REOPEN_ANSI - IDM_REOPEN_FIRST == 7);
static_assert(kReopenEncodings[IDM_REOPEN_ANSI - IDM_REOPEN_FIRST] == TextEncoding::Ansi);

// The item that names what a document was read with.
TextEncoding reopenItemOf(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::None:
        case TextEncoding::UserAnsi: return TextEncoding::Ansi;
        case TextEncoding::Utf8NoMark: return TextEncoding::Utf8;
        default: return encoding;
    }
}

// What an item reads with: "ANSI" is the code page a user calls so.
TextEncoding encodingOfItem(size_t item) {
    const TextEncoding encoding = kReopenEncodings[item];
    return encoding == TextEncoding::Ansi ? userFacingAnsi() : encoding;
}

// The submenu of the File menu that holds the first reopen command.
HMENU reopenMenuOf(HWND window) {
    const HMENU file = GetSubMenu(GetMenu(window), 0);
    for (int position = 0; position < GetMenuItemCount(file); ++position) {
        const HMENU sub = GetSubMenu(file, position);
        if (sub && GetMenuItemID(sub, 0) == IDM_REOPEN_FIRST) return sub;
    }
    return nullptr;
}

}  // namespace

// Only a document with a file can be read again; the item of what it was read with is
// checked, and the ANSI item names the code page it reads with.
void Tnfonote::prepareReopenMenu(HMENU menu) const {
    const bool hasFile = document_.fileName != kNoFileName;
    const std::wstring ansi = L"&ANSI " + std::to_wstring(userAnsiCodePage());
    ModifyMenuW(menu, IDM_REOPEN_ANSI, MF_BYCOMMAND | MF_STRING, IDM_REOPEN_ANSI, ansi.c_str());
    const auto checked = std::ranges::find(kReopenEncodings, reopenItemOf(document_.documentEncoding));
    for (size_t item = 0; item < kReopenEncodings.size(); ++item) {
        const UINT id = IDM_REOPEN_FIRST + static_cast<UINT>(item);
        EnableMenuItem(menu, id, MF_BYCOMMAND | (hasFile ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(
            menu, id,
            MF_BYCOMMAND | (hasFile && kReopenEncodings.begin() + item == checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void Tnfonote::showEncodingMenu() {
    const HMENU menu = reopenMenuOf(handle());
    if (!menu) return;
    prepareReopenMenu(menu);
    POINT at{};
    GetCursorPos(&at);
    const UINT command = systemUi().popupMenu(handle(), menu, at);
    if (command != 0) onCommand(static_cast<int>(command));
}

// The caret, the selection and the first line in view stay where they were; the
// encoding chosen is kept for the file in the recent list (Automatic forgets it).
void Tnfonote::ReopenClick(int item) {
    if (item < 0 || item >= static_cast<int>(kReopenEncodings.size())) return;
    if (document_.fileName == kNoFileName || !askToSaveChanges()) return;
    const TextEncoding chosen = encodingOfItem(static_cast<size_t>(item));
    const EditSelection selection = Memo1.selection();
    const int firstLine = Memo1.firstVisibleLine();
    const std::wstring path = document_.fileName;
    if (!openDocument(path, chosen, chosen)) return;
    const auto length = static_cast<DWORD>(Memo1.textLength());
    Memo1.setSelection({std::min(selection.start, length), std::min(selection.end, length)});
    Memo1.scrollToLine(firstLine);
    updateStatusBar();
}

}  // namespace vantry
