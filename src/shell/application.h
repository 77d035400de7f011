// The running program: the main window, the makers of its secondary windows (each made
// when first needed), and the message loop.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "documents/file_info_dialog.h"
#include "settings/options_dialog.h"
#include "shell/nfo01.h"
#include "tools/about_box.h"
#include "tools/find_window.h"
#include "tools/goto_dialog.h"
#include "tools/message_dialog.h"
#include "tools/readme_viewer.h"

namespace vantry {

// The document a command line names: its first argument after the program, in its long
// form as users see it (no "\\?\" however long); nothing when there is none.
std::optional<std::wstring> commandLineFile(const wchar_t* commandLine);

class Application {
public:
    Application(std::wstring programPath, std::optional<std::wstring> commandLineFile);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the message loop until the main window has closed.
    int run();

private:
    std::unique_ptr<Tnfonote> nfonote_;  // it owns the secondary windows it has made
};

}  // namespace vantry
