#pragma once

#include "ui/window_view.h"
#include "windows/bearing_calculator_screen.h"

namespace zelora::ui {

// The bearing utility: distance and bearing between two locators. The program keeps it
// hidden and uses its fields; shown, it works on its own.
class BearingCalculatorWindow : public WindowView {
    Q_OBJECT
  public:
    explicit BearingCalculatorWindow(BearingCalculatorScreen& screen);

  private:
    void close_box() override { screen_.Command2_Click(); }

    BearingCalculatorScreen& screen_;
};

}  // namespace zelora::ui
