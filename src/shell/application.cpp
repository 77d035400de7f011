#include "shell/application.h"

#include "shell/resource.h"

namespace vantry {

Tnfonote* nfonote = nullptr;
Tabout* about = nullptr;
TOptions* Options = nullptr;
TMyFind* MyFind = nullptr;
TGoto* Goto = nullptr;
TReadMe* ReadMe = nullptr;
TmessageDialog* messageDialog = nullptr;
TFileInfoDialog* FileInfoDialog = nullptr;

namespace {
template <typename T>
T* publish(std::unique_ptr<T>& window, T*& instance) {
    instance = window.get();
    return instance;
}
}  // namespace

Application::Application(std::wstring programPath, std::optional<std::wstring> commandLineFile) {
    MainWindowSetup setup;
    setup.programPath = std::move(programPath);
    setup.commandLineFile = std::move(commandLineFile);
    setup.onClosed = [] { PostQuitMessage(0); };
    nfonote_ = std::make_unique<Tnfonote>(std::move(setup));
    publish(nfonote_, nfonote);
    const HWND owner = nfonote_->handle();
    about_ = std::make_unique<Tabout>(owner);
    publish(about_, about);
    options_ = std::make_unique<TOptions>(owner);
    publish(options_, Options);
    myFind_ = std::make_unique<TMyFind>(owner);
    publish(myFind_, MyFind);
    goto_ = std::make_unique<TGoto>(owner);
    publish(goto_, Goto);
    readMe_ = std::make_unique<TReadMe>(owner);
    publish(readMe_, ReadMe);
    messageDialog_ = std::make_unique<TmessageDialog>(owner);
    publish(messageDialog_, messageDialog);
    fileInfoDialog_ = std::make_unique<TFileInfoDialog>(owner);
    publish(fileInfoDialog_, FileInfoDialog);
}

Application::~Application() {
    FileInfoDialog = nullptr;
    messageDialog = nullptr;
    ReadMe = nullptr;
    Goto = nullptr;
    MyFind = nullptr;
    Options = nullptr;
    about = nullptr;
    nfonote = nullptr;
}

int Application::run() {
    nfonote_->show();
    const HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    const HWND main = nfonote_->handle();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const bool forMainWindow = message.hwnd == main || IsChild(main, message.hwnd);
        if (forMainWindow && TranslateAcceleratorW(main, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace vantry
