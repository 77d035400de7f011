// The non-modal message window that stays on top: the replace reports of the find
// window, which gets the focus back when the message is closed.
#pragma once

#include <string>

#include "win/dialog.h"

namespace vantry {

class TmessageDialog final : public Dialog {
public:
    explicit TmessageDialog(HWND owner);

    // Shows `text` (a showing window only takes the new text and comes to the front);
    // `returnTo` gets the focus when the window closes.
    void showMessageWindow(HWND returnTo, const std::wstring& text);
    std::wstring text() const;

private:
    void onCommand(int id, int code, HWND control) override;
    void okButtonClick();

    HWND returnTo_ = nullptr;
};

}  // namespace vantry
