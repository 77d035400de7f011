#include "shell/application.h"

#include <shellapi.h>

#include "documents/document_file.h"
#include "shell/resource.h"
#include "win/handles.h"

namespace vantry {

std::optional<std::wstring> commandLineFile(const wchar_t* commandLine) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (!arguments) return std::nullopt;
    const UniqueLocalMemory<LPWSTR*> owned(arguments);
    std::optional<std::wstring> file;
    if (count > 1) file = longPathOf(arguments[1]);
    return file;
}

Application::Application(std::wstring programPath, std::optional<std::wstring> commandLineFile) {
    MainWindowSetup setup;
    setup.programPath = std::move(programPath);
    setup.commandLineFile = std::move(commandLineFile);
    setup.onClosed = [] { PostQuitMessage(0); };
    nfonote_ = std::make_unique<Tnfonote>(std::move(setup));
    Tnfonote& main = *nfonote_;
    const HWND owner = main.handle();
    main.attachToolWindows({
        .about = [owner] { return std::make_shared<Tabout>(owner); },
        .options = [owner, &main] { return std::make_shared<TOptions>(owner, main); },
        .find = [owner, &main] { return std::make_shared<TMyFind>(owner, main); },
        .goTo =
            [owner, &main] {
                return std::make_shared<TGoto>(
                    owner, [&main](const std::wstring& text) { main.showMessage(text, MB_OK | MB_ICONWARNING); });
            },
        .readMe = [owner, &main] { return std::make_shared<TReadMe>(owner, main.programDir()); },
        .message = [owner] { return std::make_shared<TmessageDialog>(owner); },
        .fileInfo = [owner] { return std::make_shared<TFileInfoDialog>(owner); },
    });
}

int Application::run() {
    nfonote_->show();
    const HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    const HWND main = nfonote_->handle();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (routeDialogMessage(message)) continue;
        const bool forMainWindow = message.hwnd == main || IsChild(main, message.hwnd);
        if (forMainWindow && TranslateAcceleratorW(main, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace vantry
