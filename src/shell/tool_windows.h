// The secondary windows the main window opens. Application creates them after the main
// window, which owns them, and hands them over; a main window made alone (in tests)
// has only those it is handed.
#pragma once

namespace vantry {

class Tabout;
class TFileInfoDialog;
class TGoto;
class TMyFind;
class TOptions;
class TReadMe;
class TmessageDialog;

struct ToolWindows {
    Tabout* about = nullptr;
    TOptions* options = nullptr;
    TMyFind* find = nullptr;
    TGoto* goTo = nullptr;
    TReadMe* readMe = nullptr;
    TmessageDialog* message = nullptr;
    TFileInfoDialog* fileInfo = nullptr;
};

}  // namespace vantry
