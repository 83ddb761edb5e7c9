#pragma once

#include <functional>
#include <string>

#include "base/control.h"

namespace zelora {

class WindowSet;

// What every window has: visibility, the control holding the focus, and its owner,
// through which it reaches the other windows.
class Window {
  public:
    explicit Window(WindowSet& windows) : windows_(windows) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    // Run by the window set: once right after the window comes into being, and once just
    // before it is discarded.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    bool visible() const { return visible_; }
    void set_visible(bool visible);
    // Shows the window in front of the others, with the focus, also when it was already shown:
    // a button that opens a window hidden behind another one must not seem dead.
    void bring_to_front();

    // Moves the focus, running the lost-focus reaction of the control that had it and the
    // got-focus reaction of `control`, as a click into a box would.
    void focus(Control& control);
    // The operator moved the focus away to something that is not a control of this window
    // (a button): the box that had it loses it.
    void leave_focus();
    const Control* focused() const { return focused_; }
    Control* focused() { return focused_; }

    // Tells the view of visibility and focus changes.
    std::function<void()> on_view_update;
    // Asks the view to put the window in front and give it the focus.
    std::function<void()> on_view_front;

  protected:
    WindowSet& windows() const { return windows_; }

  private:
    void update_view() const;

    WindowSet& windows_;
    bool visible_ = false;
    Control* focused_ = nullptr;
};

}  // namespace zelora
