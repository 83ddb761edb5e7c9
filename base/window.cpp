#include "base/window.h"

namespace zelora {

void Window::set_visible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    update_view();
}

void Window::bring_to_front() {
    set_visible(true);
    if (on_view_front) on_view_front();
}

void Window::focus(Control& control) {
    if (focused_ == &control) return;
    leave_focus();
    focused_ = &control;
    update_view();
    if (control.on_got_focus) control.on_got_focus();
}

void Window::leave_focus() {
    Control* previous = focused_;
    if (!previous) return;
    focused_ = nullptr;
    update_view();
    if (previous->on_lost_focus) previous->on_lost_focus();
}

void Window::update_view() const {
    if (on_view_update) on_view_update();
}

}  // namespace zelora
