// The modal viewer of readme.nfo beside the program, in the NFO face; the file is read
// afresh at every showing.
#pragma once

#include <string>

#include "win/dialog.h"
#include "win/handles.h"

namespace vantry {

class TReadMe final : public Dialog {
public:
    TReadMe(HWND owner, std::wstring programDir);
    std::wstring text() const;

private:
    void onShowing() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void FormActivate();

    std::wstring programDir_;
    GdiObject<HFONT> font_;
    bool opened_ = false;  // shown, not yet activated
};

}  // namespace vantry
