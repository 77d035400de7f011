// What start-up hands the main window, and what the main window knows of its document.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/paths.h"
#include "documents/portable/text_encoding.h"
#include "settings/portable/settings_table.h"

namespace vantry {

struct DocumentState {
    std::wstring fileName{kNoFileName};
    TextEncoding documentEncoding = TextEncoding::None;
    std::string leadingBytes;   // written before the text: the file's mark, or a stray one kept aside
    std::string trailingBytes;  // written after the text: the file's SAUCE record, kept out of it
    bool readExactly = true;    // false: saving in the encoding read with would change bytes of the file
    bool isNfoFont = false;
};

struct MainWindowSetup {
    std::wstring programPath;                     // the running executable, long form
    std::optional<std::wstring> commandLineFile;  // first argument, if any
    std::wstring settingsKeyPath{kSettingsKeyPath};
    std::function<void()> onClosed;  // ends the message loop
};

}  // namespace vantry
