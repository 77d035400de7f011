#include "win/error_report.h"

#include <windows.h>

#include "base/report_text.h"
#include "win/system_ui.h"

namespace vantry {
namespace {
std::wstring title = L"Vantry";
}

const std::wstring& applicationTitle() { return title; }

void setApplicationTitle(std::wstring newTitle) { title = std::move(newTitle); }

void showStandardErrorReport(std::wstring_view message) {
    systemUi().messageBox(GetActiveWindow(), errorReportText(message), title, MB_OK | MB_ICONERROR);
}

}  // namespace vantry
