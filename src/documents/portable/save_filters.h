// The Save dialog's filter list: NFO files first for NFO documents, text files first
// for the rest.
#pragma once

#include <string>
#include <string_view>

#include "settings/portable/font_choice.h"

namespace vantry {

// The extension decides; a file that is neither NFO nor text follows the font mode's
// default profile ("...Ascii" modes put NFO first).
bool nfoFilterFirst(ExtensionKind kind, std::wstring_view fontSelection);

// What the Save dialog shows and keeps between showings.
struct SaveDialogState {
    bool nfoFirst = false;  // the filter list, see below
    int filterIndex = 1;    // the user's last filter, 1-based as the system counts
    int encodingIndex = 0;  // the encoding list's selection
};

// Caption and pattern pairs, each ended by L'\0', as the system dialog takes them.
std::wstring saveFilterList(bool nfoFirst);

}  // namespace vantry
