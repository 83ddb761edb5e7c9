#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "base/platform.h"
#include "base/window.h"

namespace zelora {

// The owner of every window. A window comes into being, hidden, the first time anything
// touches it, and closing it discards it with all its fields. Windows reach each other only
// through here: `get<EdiHeaderScreen>()` is the EDI header window, created if need be. Each
// screen class names its slot as `static constexpr kId`, a value of the program's own
// enumeration of windows; the set knows slots only by their number.
class WindowSet {
  public:
    explicit WindowSet(Platform platform);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    const Platform& platform() const { return platform_; }

    template <class Screen>
    Screen& get();

    template <class Id>
    bool is_open(Id id) const {
        return slot(number(id)) != nullptr;
    }
    template <class Id>
    Window* find(Id id) const {
        return slot(number(id)).get();
    }
    // True when some open window is visible.
    bool any_visible() const;
    bool any_open() const;

    // Runs the window's unload reaction and discards it; with no window left the program
    // ends. A reaction that closes its own window does so as its last step.
    template <class Id>
    void close(Id id) {
        close_slot(number(id));
    }

    // The operator leaves a window: it closes, and when nothing is left on screen (a window
    // left at start-up while the main window is still hidden) the program ends, instead of
    // running on invisibly.
    template <class Id>
    void leave(Id id) {
        close(id);
        if (!any_visible()) quit();
    }

    // Ends the program: every window is closed without its unload reaction.
    void quit();
    bool finished() const { return finished_; }

    // The view layer follows the windows' lives, by slot number.
    std::function<void(std::size_t, Window&)> on_created;
    std::function<void(std::size_t)> on_closed;
    std::function<void()> on_quit;

  private:
    template <class Id>
    static std::size_t number(Id id) {
        return static_cast<std::size_t>(id);
    }
    void close_slot(std::size_t number);
    std::unique_ptr<Window>& slot(std::size_t number);
    const std::unique_ptr<Window>& slot(std::size_t number) const;

    Platform platform_;
    std::vector<std::unique_ptr<Window>> windows_;
    bool finished_ = false;
};

template <class Screen>
Screen& WindowSet::get() {
    std::unique_ptr<Window>& place = slot(number(Screen::kId));
    if (place) return static_cast<Screen&>(*place);
    auto window = std::make_unique<Screen>(*this);
    Screen& screen = *window;
    place = std::move(window);
    screen.Form_Load();
    // The load may have closed the window again (the program ended during it).
    if (on_created && slot(number(Screen::kId)).get() == &screen)
        on_created(number(Screen::kId), screen);
    return screen;
}

}  // namespace zelora
