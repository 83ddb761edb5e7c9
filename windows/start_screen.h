#pragma once

#include "base/control.h"
#include "base/window.h"
#include "windows/window_id.h"

namespace zelora {

// The start dialog (Form5): continue the saved contest or start a new one.
class StartScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::start;
    explicit StartScreen(WindowSet& windows) : Window(windows) {}

    Control Check1{"0"};  // "Modalità off-line": "1" when ticked

    void Command1_Click();  // "Continua Contest"
    void Command2_Click();  // "Nuovo Contest"
    // The window's close box.
    void Form_Close();
};

}  // namespace zelora
