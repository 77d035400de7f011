// The secondary windows the main window opens. Each is made the first time it is
// needed: most runs never open most of them, and the document shows without waiting
// for them. A main window made alone (in tests) has only the windows it is handed.
#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace vantry {

class Tabout;
class TFileInfoDialog;
class TGoto;
class TMyFind;
class TOptions;
class TReadMe;
class TmessageDialog;

template <class Window>
class ToolWindow {
public:
    using Maker = std::function<std::shared_ptr<Window>()>;

    ToolWindow() = default;                        // none
    ToolWindow(Window* given) : window_(given) {}  // made and kept by the caller
    template <class Make>
    requires std::is_invocable_r_v<std::shared_ptr<Window>, Make&> ToolWindow(Make make) : make_(std::move(make)) {}
    ToolWindow(ToolWindow&&) = default;
    ToolWindow& operator=(ToolWindow&&) = default;

    // Made now if it was not yet; nullptr when there is none.
    Window* get() {
        if (!window_ && make_) {
            made_ = make_();
            window_ = made_.get();
        }
        return window_;
    }
    // For what concerns only a window that exists: nullptr until it is made.
    Window* ifMade() const { return window_; }

private:
    Maker make_;
    std::shared_ptr<Window> made_;  // its deleter was fixed where the window was made
    Window* window_ = nullptr;
};

// Declared in the order they were once all made in; they go in reverse.
struct ToolWindows {
    ToolWindow<Tabout> about{};
    ToolWindow<TOptions> options{};
    ToolWindow<TMyFind> find{};
    ToolWindow<TGoto> goTo{};
    ToolWindow<TReadMe> readMe{};
    ToolWindow<TmessageDialog> message{};
    ToolWindow<TFileInfoDialog> fileInfo{};
};

}  // namespace vantry
