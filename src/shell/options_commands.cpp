// Settings > Options: the dialog works on this window's settings, colours and font.
#include "shell/nfo01.h"
#include "settings/options_dialog.h"

namespace vantry {

void Tnfonote::Options1Click() {
    if (tools_.options) tools_.options->showOptions();
}

std::int32_t Tnfonote::storedBackgroundColor() const { return backgroundValue_; }

std::int32_t Tnfonote::storedTextColor() const { return textValue_; }

void Tnfonote::showStoredDisplay() {
    applyColors();
    applyFontSelection();
}

}  // namespace vantry
