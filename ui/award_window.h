#pragma once

#include "ui/window_view.h"
#include "windows/award_screen.h"

namespace zelora::ui {

// The award window: the operator has reached the I-QRP Club Award.
class AwardWindow : public WindowView {
    Q_OBJECT
  public:
    explicit AwardWindow(AwardScreen& screen);

  private:
    void close_box() override { screen_.Command1_Click(); }

    AwardScreen& screen_;
};

}  // namespace zelora::ui
