// The program-wide instances of the eight windows, set while the application runs.
#pragma once

#include "shell/nfo01.h"
#include "shell/secondary_windows.h"

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
