#pragma once

#include "ui/window_view.h"
#include "windows/start_screen.h"

namespace zelora::ui {

// The start dialog: continue the saved contest or start a new one, on-line or off-line.
class StartWindow : public WindowView {
    Q_OBJECT
  public:
    explicit StartWindow(StartScreen& screen);

  private:
    void close_box() override { screen_.Form_Close(); }

    StartScreen& screen_;
};

}  // namespace zelora::ui
