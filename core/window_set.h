#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>

#include "core/platform.h"
#include "core/window.h"

namespace zelora {

class MainLogScreen;
class EdiHeaderScreen;
class StationScreen;
class StartScreen;
class AwardScreen;
class AdminScreen;
class MemberListScreen;
class BearingCalculatorScreen;

enum class WindowId : std::size_t {
    main_log,            // Form1
    edi_header,          // Form2
    station,             // Form3
    start,               // Form5
    award,               // Form9
    admin,               // Form10
    member_lists,        // Form11
    bearing_calculator,  // Form22222
    count
};

// The owner of every window. A window comes into being, hidden, the first time anything
// touches it, and closing it discards it with all its fields. Windows reach each other only
// through here.
class WindowSet {
  public:
    explicit WindowSet(Platform platform);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    const Platform& platform() const { return platform_; }

    // Program start: the main window loads and shows itself unless its load hid it.
    void start_program();

    MainLogScreen& main_log();
    EdiHeaderScreen& edi_header();
    StationScreen& station();
    StartScreen& start();
    AwardScreen& award();
    AdminScreen& admin();
    MemberListScreen& member_lists();
    BearingCalculatorScreen& calculator();

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
    template <class Screen>
    Screen& open(WindowId id);
    std::unique_ptr<Window>& slot(WindowId id) { return windows_[static_cast<std::size_t>(id)]; }
    const std::unique_ptr<Window>& slot(WindowId id) const {
        return windows_[static_cast<std::size_t>(id)];
    }

    Platform platform_;
    std::array<std::unique_ptr<Window>, static_cast<std::size_t>(WindowId::count)> windows_;
    bool finished_ = false;
};

}  // namespace zelora
