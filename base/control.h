#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace zelora {

// One element of a window (box, label, button): its text in Windows-1252 and what the
// operator sees of it. The text's change reaction runs only when the text really changes,
// so a reaction that assigns its own control again (upper-casing) nests once and stops.
class Control {
  public:
    explicit Control(std::string text = {}, bool visible = true);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& text() const { return text_; }
    // The text put in by the program: the caret goes after its last character.
    void set(std::string text);
    // The text as the operator left it by typing, pasting or deleting, with the caret where the
    // box shows it; characters the filter drops before the caret move it back with them.
    void edit(std::string text, std::size_t caret);

    bool visible() const { return visible_; }
    void set_visible(bool visible);

    std::size_t caret() const { return caret_; }
    void set_caret(std::size_t position);
    void caret_to_end() { set_caret(text_.size()); }

    // Characters this control never takes (dropped before the text is compared or stored).
    std::function<std::string(std::string)> input_filter;

    // The window's reactions.
    std::function<void()> on_change;
    std::function<void()> on_got_focus;
    std::function<void()> on_lost_focus;

    // The view bound to this control (the Qt widget) is told of every change of text,
    // visibility or caret. Reactions never use it.
    std::function<void()> on_view_update;

  private:
    void update_view() const;

    std::string text_;
    bool visible_;
    std::size_t caret_ = 0;
};

// The box's text put in upper case, as callsign, locator and member-number boxes keep it while
// the operator types; only a text that changed sends the caret after its last character.
void upper_case(Control& box);

}  // namespace zelora
