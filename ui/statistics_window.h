#pragma once

#include "ui/window_view.h"
#include "windows/statistics_screen.h"

namespace zelora::ui {

// The statistics window: from left to right the square map over the hour table, the sector
// table, the picture of the map over the square and country lists, and the DX ranking, with
// pictures of the counts. On a narrow screen they scroll sideways under the buttons.
class StatisticsWindow : public WindowView {
    Q_OBJECT
  public:
    explicit StatisticsWindow(StatisticsScreen& screen);

  private:
    void close_box() override { screen_.Command1_Click(); }

    StatisticsScreen& screen_;
};

}  // namespace zelora::ui
