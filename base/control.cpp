#include "base/control.h"

#include <algorithm>
#include <utility>

#include "base/text.h"

namespace zelora {

Control::Control(std::string text, bool visible) : text_(std::move(text)), visible_(visible) {}

void Control::set(std::string text) {
    if (input_filter) text = input_filter(std::move(text));
    if (text == text_) return;
    text_ = std::move(text);
    caret_ = text_.size();  // as a text box does when its text is replaced
    update_view();
    if (on_change) on_change();
}

void Control::edit(std::string text, std::size_t caret) {
    if (input_filter) {
        caret = input_filter(text.substr(0, std::min(caret, text.size()))).size();
        text = input_filter(std::move(text));
    }
    if (text == text_) {
        set_caret(caret);
        return;
    }
    text_ = std::move(text);
    caret_ = std::min(caret, text_.size());
    update_view();
    if (on_change) on_change();
}

void Control::set_visible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    update_view();
}

void Control::set_caret(std::size_t position) {
    caret_ = std::min(position, text_.size());
    update_view();
}

void Control::update_view() const {
    if (on_view_update) on_view_update();
}

void upper_case(Control& box) {
    box.set(to_upper(box.text()));
}

}  // namespace zelora
