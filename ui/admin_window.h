#pragma once

#include "ui/window_view.h"
#include "windows/admin_screen.h"

namespace zelora::ui {

// The administration window: the way into the member lists.
class AdminWindow : public WindowView {
    Q_OBJECT
  public:
    explicit AdminWindow(AdminScreen& screen);

  private:
    void close_box() override { screen_.Command1_Click(); }

    AdminScreen& screen_;
};

}  // namespace zelora::ui
