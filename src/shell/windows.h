// The program-wide instances of the eight windows, set while the application runs.
#pragma once

#include "shell/nfo01.h"
#include "shell/secondary_windows.h"
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
