#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>

#include "base/platform.h"
#include "base/window.h"
#include "base/window_id.h"

namespace zelora {

// The owner of every window. A window comes into being, hidden, the first time anything
// touches it, and closing it discards it with all its fields. Windows reach each other only
// through here: `get<EdiHeaderScreen>()` is the EDI header window, created if need be. Each
// screen class names its slot as `static constexpr WindowId kId`.
class WindowSet {
  public:
    explicit WindowSet(Platform platform);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    const Platform& platform() const { return platform_; }

    template <class Screen>
    Screen& get();

    bool is_open(WindowId id) const { return slot(id) != nullptr; }
    Window* find(WindowId id) const { return slot(id).get(); }
    // True when some open window is visible.
    bool any_visible() const;
    bool any_open() const;

    // Runs the window's unload reaction and discards it; with no window left the program
    // ends. A reaction that closes its own window does so as its last step.
    void close(WindowId id);

    // The operator leaves a window: it closes, and when nothing is left on screen (a window
    // left at start-up while the main window is still hidden) the program ends, instead of
    // running on invisibly.
    void leave(WindowId id);

    // Ends the program: every window is closed without its unload reaction.
    void quit();
    bool finished() const { return finished_; }

    // The view layer follows the windows' lives.
    std::function<void(WindowId, Window&)> on_created;
    std::function<void(WindowId)> on_closed;
    std::function<void()> on_quit;

  private:
    std::unique_ptr<Window>& slot(WindowId id) { return windows_[static_cast<std::size_t>(id)]; }
    const std::unique_ptr<Window>& slot(WindowId id) const {
        return windows_[static_cast<std::size_t>(id)];
    }

    Platform platform_;
    std::array<std::unique_ptr<Window>, static_cast<std::size_t>(WindowId::count)> windows_;
    bool finished_ = false;
};

template <class Screen>
Screen& WindowSet::get() {
    std::unique_ptr<Window>& place = slot(Screen::kId);
    if (place) return static_cast<Screen&>(*place);
    auto window = std::make_unique<Screen>(*this);
    Screen& screen = *window;
    place = std::move(window);
    screen.Form_Load();
    // The load may have closed the window again (the program ended during it).
    if (on_created && slot(Screen::kId).get() == &screen) on_created(Screen::kId, screen);
    return screen;
}

}  // namespace zelora
