// The program-wide instances of the eight windows, set while the application runs.
#pragma once

#include "documents/file_info_dialog.h"
#include "settings/options_dialog.h"
#include "shell/nfo01.h"
#include "tools/about_box.h"
#include "tools/find_window.h"
#include "tools/goto_dialog.h"
#include "tools/message_dialog.h"
#include "tools/readme_viewer.h"

namespace vantry {

extern Tnfonote* nfonote;
extern Tabout* about;
extern TOptions* Options;
extern TMyFind* MyFind;
extern TGoto* Goto;
extern TReadMe* ReadMe;
extern TmessageDialog* messageDialog;
extern TFileInfoDialog* FileInfoDialog;

}  // namespace vantry
