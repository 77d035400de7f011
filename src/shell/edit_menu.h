// The Edit menu's five standard commands on the text control, each enabled and run only
// when its rule allows it at that moment.
#pragma once

#include <windows.h>

#include "win/edit_control.h"

namespace vantry {

// Greys the commands of `editMenu` that cannot act now.
void enableEditCommands(HMENU editMenu, const EditControl& memo);
// False when `menuId` is none of the five; otherwise true, acted on or not.
bool runEditCommand(EditControl& memo, int menuId);

}  // namespace vantry
