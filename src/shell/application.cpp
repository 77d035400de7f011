#include "shell/application.h"

#include "shell/message_box.h"
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

// Creates one secondary window and makes it reachable program-wide.
template <typename T, typename... Arguments>
void createWindow(std::unique_ptr<T>& window, T*& instance, Arguments&&... arguments) {
    window = std::make_unique<T>(std::forward<Arguments>(arguments)...);
    instance = window.get();
}

}  // namespace

Application::Application(std::wstring programPath, std::optional<std::wstring> commandLineFile) {
    MainWindowSetup setup;
    setup.programPath = std::move(programPath);
    setup.commandLineFile = std::move(commandLineFile);
    setup.onClosed = [] { PostQuitMessage(0); };
    nfonote_ = std::make_unique<Tnfonote>(std::move(setup));
    nfonote = nfonote_.get();
    const HWND owner = nfonote_->handle();
    createWindow(about_, about, owner);
    createWindow(options_, Options, owner, nfonote_->optionsHost());
    createWindow(myFind_, MyFind, owner, nfonote_->findWindowHost());
    createWindow(goto_, Goto, owner, [](const std::wstring& text) {
        showMessageBox(text, L"Vantry", MB_OK | MB_ICONWARNING);
    });
    createWindow(readMe_, ReadMe, owner, nfonote_->programDir());
    createWindow(messageDialog_, messageDialog, owner);
    createWindow(fileInfoDialog_, FileInfoDialog, owner);
}

Application::~Application() {
    // The windows go in reverse order of creation (the members' order); nothing may
    // reach them through the program-wide names meanwhile.
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
        if (routeDialogMessage(message)) continue;
        const bool forMainWindow = message.hwnd == main || IsChild(main, message.hwnd);
        if (forMainWindow && TranslateAcceleratorW(main, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace vantry
