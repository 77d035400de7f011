#include "shell/message_box.h"

#include "shell/windows.h"
#include "win/system_ui.h"

namespace vantry {

int showMessageBox(const std::wstring& text, const std::wstring& caption, UINT style) {
    if (MyFind && MyFind->isShowing()) ShowWindow(MyFind->handle(), SW_HIDE);
    return systemUi().messageBox(GetActiveWindow(), text, caption, style);
}

}  // namespace vantry
