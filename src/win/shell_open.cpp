#include "win/shell_open.h"

#include <windows.h>
#include <shellapi.h>

namespace vantry {
namespace {
std::function<void(const std::wstring&)> observer;
}

void shellOpen(const std::wstring& target) {
    if (observer) {
        observer(target);
        return;
    }
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void setShellOpenObserver(std::function<void(const std::wstring&)> newObserver) {
    observer = std::move(newObserver);
}

}  // namespace vantry
