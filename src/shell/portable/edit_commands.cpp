#include "shell/portable/edit_commands.h"

namespace vantry {

bool editCommandEnabled(EditCommand command, const EditState& state) {
    if (!state.focused) return false;
    switch (command) {
        case EditCommand::Undo: return state.canUndo && !state.readOnly;
        case EditCommand::Cut: return state.hasSelection && !state.readOnly;
        case EditCommand::Copy: return state.hasSelection;
        case EditCommand::Paste: return state.clipboardHasText && !state.readOnly;
        case EditCommand::SelectAll: return state.hasText;
    }
    return false;
}

}  // namespace vantry
