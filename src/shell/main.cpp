// Vantry's entry point.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "documents/document_file.h"
#include "shell/application.h"
#include "win/error.h"
#include "win/error_report.h"
#include "win/handles.h"

namespace {

std::wstring executablePath() {
    std::vector<wchar_t> buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return vantry::longPathOf(std::wstring(buffer.data(), length));
}

std::optional<std::wstring> commandLineFile() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return std::nullopt;
    const vantry::UniqueLocalMemory<LPWSTR*> owned(arguments);
    std::optional<std::wstring> file;
    if (count > 1) file = vantry::longPathOf(arguments[1]);
    return file;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // shortcuts of dropped files
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    vantry::setApplicationTitle(L"Vantry");
    try {
        vantry::Application application(executablePath(), commandLineFile());
        application.run();
    } catch (const vantry::Error& error) {
        vantry::showStandardErrorReport(error.message());
    } catch (...) {
        vantry::showStandardErrorReport(L"");
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}
