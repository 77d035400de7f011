// When the five standard edit commands of the Edit menu can act on the text.
#pragma once

namespace vantry {

enum class EditCommand { Undo, Cut, Copy, Paste, SelectAll };

struct EditState {
    bool focused = false;  // the text has the keyboard focus
    bool readOnly = false;
    bool canUndo = false;
    bool hasSelection = false;
    bool clipboardHasText = false;
    bool hasText = false;
};

bool editCommandEnabled(EditCommand command, const EditState& state);

}  // namespace vantry
