// Base of the secondary windows: a dialog made from a template in the resource script,
// created hidden once and shown many times, modal with a loop of its own or modeless
// with Tab, Enter and Escape routed through IsDialogMessageW by the message loop.
// Whatever a handler throws ends in the standard error report.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vantry {

// A control's place in pixels at 96 dots per inch, and which edges of the client area
// it keeps its distance to when the window changes size.
struct ControlPlace {
    int id;
    RECT at96;            // left, top, right, bottom
    bool right = false;   // moves with the right edge (with `left`: grows)
    bool bottom = false;  // moves with the bottom edge
    bool left = true;
    bool top = true;
};

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    HWND handle() const { return handle_; }
    bool isShowing() const { return handle_ && IsWindowVisible(handle_); }

    // Disables the owner, shows the dialog and runs until close(); returns its result.
    INT_PTR showModal();
    // Shows the dialog and returns; the message loop routes its keys.
    void showModeless();
    // Hides the dialog (ending a modal run with `result`).
    void close(INT_PTR result = IDCANCEL);
    bool isModalRunning() const { return modalRunning_; }
    // For the message loop: runs one of the dialog's keys; false when `message` is none.
    bool translateKey(MSG& message) const;

    // Pixels at 96 dots per inch in this dialog's dots.
    int scaled(int pixels96) const;
    int dpi() const { return dpi_; }

protected:
    // Registers `className` as a dialog class (the template names it with CLASS), then
    // creates the dialog hidden.
    void create(int templateId, const wchar_t* className, HWND owner);
    HWND item(int id) const { return GetDlgItem(handle_, id); }
    std::wstring itemText(int id) const;
    // The client area at 96 dots per inch as designed, and the controls in it; laid
    // out at once and again whenever the size changes.
    void setLayout(SIZE client96, std::vector<ControlPlace> places);
    // Centred on the owner, inside the work area of the owner's monitor.
    void centerOnOwner();
    // Moved by the least into the work area of the monitor it is on (or nearest to).
    void keepOnScreen();
    // Keys the dialog answers before its controls see them, from an accelerator table of
    // the resources: each sends WM_COMMAND with its command.
    void setKeys(int acceleratorsId);

    // Return true when the message was handled, with `result` the dialog's answer.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    virtual void onCommand(int id, int code, HWND control);
    // Before every showing.
    virtual void onShowing() {}

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void layout();
    bool sizeable() const;

    HWND handle_ = nullptr;
    HWND owner_ = nullptr;
    int dpi_ = 96;  // the monitor's, read at creation and kept up by WM_DPICHANGED
    bool modalRunning_ = false;
    INT_PTR result_ = IDCANCEL;
    HACCEL keys_ = nullptr;  // from the resources: the system frees it
    SIZE client96_{};
    std::vector<ControlPlace> places_;
};

// For the message loop: lets a showing modeless dialog handle its keyboard message.
bool routeDialogMessage(MSG& message);

}  // namespace vantry
