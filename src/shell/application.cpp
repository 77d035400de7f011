#include "shell/application.h"

#include "shell/resource.h"

namespace vantry {

Application::Application(std::wstring programPath, std::optional<std::wstring> commandLineFile) {
    MainWindowSetup setup;
    setup.programPath = std::move(programPath);
    setup.commandLineFile = std::move(commandLineFile);
    setup.onClosed = [] { PostQuitMessage(0); };
    nfonote_ = std::make_unique<Tnfonote>(std::move(setup));
    Tnfonote& main = *nfonote_;
    const HWND owner = main.handle();
    about_ = std::make_unique<Tabout>(owner);
    options_ = std::make_unique<TOptions>(owner, main);
    myFind_ = std::make_unique<TMyFind>(owner, main);
    goto_ = std::make_unique<TGoto>(owner, [&main](const std::wstring& text) {
        main.showMessage(text, MB_OK | MB_ICONWARNING);
    });
    readMe_ = std::make_unique<TReadMe>(owner, main.programDir());
    messageDialog_ = std::make_unique<TmessageDialog>(owner);
    fileInfoDialog_ = std::make_unique<TFileInfoDialog>(owner);
    main.attachToolWindows({about_.get(), options_.get(), myFind_.get(), goto_.get(), readMe_.get(),
                            messageDialog_.get(), fileInfoDialog_.get()});
}

Application::~Application() {
    // The windows go in reverse order of creation (the members' order); the main window
    // stops reaching them first.
    nfonote_->attachToolWindows({});
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
