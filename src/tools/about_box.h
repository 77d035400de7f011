// The modal about box: the version, the credits, and two links that go to the mail
// program and the web browser. A click anywhere else, or Escape, closes it.
#pragma once

#include "win/dialog.h"
#include "win/handles.h"

namespace vantry {

class Tabout final : public Dialog {
public:
    explicit Tabout(HWND owner);

    // What the two links hand to the shell.
    static const wchar_t* mailLink();
    static const wchar_t* webLink();

private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void onCommand(int id, int code, HWND control) override;
    void onShowing() override { centerOnOwner(); }

    GdiObject<HFONT> titleFont_;
    GdiObject<HFONT> linkFont_;
    GdiObject<HFONT> textFont_;
    bool askingDefault_ = false;
};

}  // namespace vantry
