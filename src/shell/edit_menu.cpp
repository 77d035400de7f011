#include "shell/edit_menu.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "shell/portable/edit_commands.h"
#include "shell/resource.h"

namespace vantry {
namespace {

constexpr std::pair<int, EditCommand> kEditCommands[] = {{IDM_UNDO, EditCommand::Undo},
                                                         {IDM_CUT, EditCommand::Cut},
                                                         {IDM_COPY, EditCommand::Copy},
                                                         {IDM_PASTE, EditCommand::Paste},
                                                         {IDM_SELECT_ALL, EditCommand::SelectAll}};

EditState editStateOf(const EditControl& memo) {
    const EditSelection selection = memo.selection();
    return {memo.hasFocus(),
            memo.readOnly(),
            SendMessageW(memo.handle(), EM_CANUNDO, 0, 0) != 0,
            selection.start != selection.end,
            IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE,
            memo.textLength() > 0};
}

}  // namespace

void enableEditCommands(HMENU editMenu, const EditControl& memo) {
    const EditState state = editStateOf(memo);
    for (const auto& [id, command] : kEditCommands) {
        EnableMenuItem(editMenu, static_cast<UINT>(id),
                       MF_BYCOMMAND | (editCommandEnabled(command, state) ? MF_ENABLED : MF_GRAYED));
    }
}

bool runEditCommand(EditControl& memo, int menuId) {
    const auto found = std::ranges::find(kEditCommands, menuId, &std::pair<int, EditCommand>::first);
    if (found == std::end(kEditCommands)) return false;
    if (!editCommandEnabled(found->second, editStateOf(memo))) return true;
    const HWND control = memo.handle();
    switch (found->second) {
        case EditCommand::Undo: SendMessageW(control, WM_UNDO, 0, 0); break;
        case EditCommand::Cut: SendMessageW(control, WM_CUT, 0, 0); break;
        case EditCommand::Copy: SendMessageW(control, WM_COPY, 0, 0); break;
        case EditCommand::Paste: SendMessageW(control, WM_PASTE, 0, 0); break;
        case EditCommand::SelectAll: memo.setSelection({0, static_cast<DWORD>(-1)}); break;
    }
    return true;
}

}  // namespace vantry
