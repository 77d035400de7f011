// Web and e-mail addresses under the pointer in the text control: the hand pointer and
// the tooltip while moving, and opening by the configured gesture.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "settings/portable/settings_record.h"
#include "tools/link_detection.h"
#include "tools/portable/link_scan.h"
#include "win/edit_control.h"
#include "win/handles.h"

namespace vantry {

class AddressUnderPointer {
public:
    // Follows the "urlFollow" and "emailFollow" settings as they are at each event.
    AddressUnderPointer(const EditControl& memo, const Settings& settings) : memo_(memo), settings_(settings) {}

    // The tooltip for the control in `owner`; attachToMemo again when the control is re-created.
    void createTooltip(HWND owner);
    void attachToMemo();
    // Lets the tooltip see the control's mouse messages.
    void relay(const MSG& message) const;

    void pressed(int x, int y) { press_ = {x, y}; }
    void moved(int x, int y);
    // A release close to the press, with MK_ flags in `keys`, follows a click gesture.
    void released(WPARAM keys, int x, int y);
    void doubleClicked();
    // After a message that may scroll the control: a text that scrolled away from under
    // the pointer takes the hand and the tooltip with it, as when the pointer leaves the
    // address. It asks the control where its text stands, so it does nothing while it
    // is already asking.
    void textMayHaveScrolled();

    std::optional<std::wstring> linkAt(int x, int y, bool collect, AddressKind kind);
    bool pointerOverAddress() const { return pointerOverAddress_; }
    const std::wstring& tooltipText() const { return tooltipText_; }
    HWND tooltip() const { return tooltip_.get(); }

private:
    void showAddressPointer(bool overAddress, std::wstring_view text);
    void followAddress(AddressKind kind, const std::wstring& address);

    const EditControl& memo_;
    const Settings& settings_;
    PointedTextReader pointedText_{memo_};
    HWND owner_ = nullptr;
    POINT press_{0, 0};  // where the last mouse button went down in the control
    UniqueWindow tooltip_;
    std::wstring tooltipText_;
    bool tooltipActive_ = false;
    bool pointerOverAddress_ = false;
    std::pair<int, int> view_{};  // the first line in view and the first one's left edge
    bool askingView_ = false;     // the control's answers come back through its messages
};

}  // namespace vantry
