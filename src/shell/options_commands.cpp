// Settings > Options: the dialog works on this window's settings, colours and font.
#include "shell/nfo01.h"
#include "settings/options_dialog.h"

namespace vantry {

void Tnfonote::Options1Click() {
    if (tools_.options) tools_.options->showOptions();
}

OptionsHost Tnfonote::optionsHost() {
    OptionsHost host;
    host.settings = &settings_;
    host.store = &store_;
    host.programPath = programPath_;
    host.backgroundColor = [this] { return backgroundValue_; };
    host.textColor = [this] { return textValue_; };
    host.previewColors = [this](std::int32_t background, std::int32_t text) { setMemoColors(background, text); };
    host.previewFont = [this](const FontProfile& profile) { setTextFont(profile); };
    host.extensionKind = [this] { return extensionKind(); };
    host.showStoredDisplay = [this] {
        applyColors();
        applyFontSelection();
    };
    host.setSaveFilterOrder = [this] { setSaveFilterOrder(); };
    host.refreshRecentMenu = [this] { refreshRecentMenu(); };
    host.clearRecentFiles = [this] { clearRecentFiles(); };
    return host;
}

}  // namespace vantry
