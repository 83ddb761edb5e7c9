#include "base/window_set.h"

#include <utility>

namespace zelora {

WindowSet::WindowSet(Platform platform) : platform_(std::move(platform)) {}

WindowSet::~WindowSet() = default;

bool WindowSet::any_visible() const {
    for (const auto& window : windows_) {
        if (window && window->visible()) return true;
    }
    return false;
}

void WindowSet::close(WindowId id) {
    if (!slot(id)) return;
    slot(id)->Form_Unload();
    std::unique_ptr<Window> closing = std::move(slot(id));
    if (on_closed) on_closed(id);
    closing.reset();
    if (!any_open()) quit();
}

bool WindowSet::any_open() const {
    for (const auto& window : windows_) {
        if (window) return true;
    }
    return false;
}

void WindowSet::leave(WindowId id) {
    close(id);
    if (!any_visible()) quit();
}

void WindowSet::quit() {
    if (finished_) return;
    finished_ = true;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (!windows_[i]) continue;
        windows_[i].reset();
        if (on_closed) on_closed(static_cast<WindowId>(i));
    }
    if (on_quit) on_quit();
}

}  // namespace zelora
