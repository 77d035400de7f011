// Vantry's entry point.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "documents/document_file.h"
#include "shell/application.h"
#include "win/error.h"
#include "win/error_report.h"

namespace {

std::wstring executablePath() {
    std::vector<wchar_t> buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return vantry::longPathOf(std::wstring(buffer.data(), length));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // shortcuts of dropped files
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    vantry::setApplicationTitle(L"Vantry");
    try {
        vantry::Application application(executablePath(), vantry::commandLineFile(GetCommandLineW()));
        application.run();
    } catch (const vantry::Error& error) {
        vantry::showStandardErrorReport(error.message());
    } catch (...) {
        vantry::showStandardErrorReport(L"");
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}
