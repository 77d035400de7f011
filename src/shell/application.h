// The running program: the eight windows, created in order at start-up and destroyed in
// reverse order at the end, and the message loop.
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

class Application {
public:
    Application(std::wstring programPath, std::optional<std::wstring> commandLineFile);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    // Runs the message loop until the main window has closed.
    int run();

private:
    // Declared in creation order: members are destroyed in reverse, the main window last.
    std::unique_ptr<Tnfonote> nfonote_;
    std::unique_ptr<Tabout> about_;
    std::unique_ptr<TOptions> options_;
    std::unique_ptr<TMyFind> myFind_;
    std::unique_ptr<TGoto> goto_;
    std::unique_ptr<TReadMe> readMe_;
    std::unique_ptr<TmessageDialog> messageDialog_;
    std::unique_ptr<TFileInfoDialog> fileInfoDialog_;
};

}  // namespace vantry
