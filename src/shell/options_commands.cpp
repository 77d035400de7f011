// Settings > Options: the dialog works on this window's settings, colours and font.
#include "shell/nfo01.h"
#include "settings/options_dialog.h"

namespace vantry {

void Tnfonote::Options1Click() {
    if (TOptions* options = tools_.options.get()) options->showOptions();
}

void Tnfonote::showStoredDisplay() {
    look_.setStoredColors(settings_.bgColor, settings_.textColor);
    applyFontSelection();
}

}  // namespace vantry
