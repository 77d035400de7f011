// Everything the program hands to the desktop shell goes through here, so tests can
// see it without a browser or a second program starting.
#pragma once

#include <functional>
#include <string>

namespace vantry {

// ShellExecuteW(no owner, "open", target, no parameters, no folder, SW_SHOWNORMAL);
// the result is not examined.
void shellOpen(const std::wstring& target);

// Tests: receive the targets instead of the shell (an empty function restores it).
void setShellOpenObserver(std::function<void(const std::wstring&)> observer);

}  // namespace vantry
