// The modal "Go to line" dialog: asks for a line number and keeps the last entry.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "win/dialog.h"
#include "win/tooltips.h"

namespace vantry {

class TGoto final : public Dialog {
public:
    // `warn` shows the program's warning message box.
    TGoto(HWND owner, std::function<void(const std::wstring&)> warn);

    // The number accepted, or -1; `offered` is the highest line the label names.
    std::int32_t askLineNumber(std::int32_t offered);

private:
    void onShowing() override;
    void onCommand(int id, int code, HWND control) override;
    void buttonOKClick();

    std::function<void(const std::wstring&)> warn_;
    std::int32_t lineNumber_ = -1;
    ControlTooltips tooltips_;
};

}  // namespace vantry
