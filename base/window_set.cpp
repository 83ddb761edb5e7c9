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

bool WindowSet::any_open() const {
    for (const auto& window : windows_) {
        if (window) return true;
    }
    return false;
}

std::unique_ptr<Window>& WindowSet::slot(std::size_t number) {
    if (number >= windows_.size()) windows_.resize(number + 1);
    return windows_[number];
}

const std::unique_ptr<Window>& WindowSet::slot(std::size_t number) const {
    static const std::unique_ptr<Window> none;
    return number < windows_.size() ? windows_[number] : none;
}

void WindowSet::close_slot(std::size_t number) {
    if (!slot(number)) return;
    slot(number)->Form_Unload();
    std::unique_ptr<Window> closing = std::move(slot(number));
    if (on_closed) on_closed(number);
    closing.reset();
    if (!any_open()) quit();
}

void WindowSet::quit() {
    if (finished_) return;
    finished_ = true;
    for (std::size_t number = 0; number < windows_.size(); ++number) {
        if (!windows_[number]) continue;
        windows_[number].reset();
        if (on_closed) on_closed(number);
    }
    if (on_quit) on_quit();
}

}  // namespace zelora
