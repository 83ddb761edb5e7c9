#pragma once

#include "ui/window_view.h"
#include "windows/station_screen.h"

namespace zelora::ui {

// "Zelora qrp Test - Dati Stazione": the operator's own station.
class StationWindow : public WindowView {
    Q_OBJECT
  public:
    explicit StationWindow(StationScreen& screen);

  private:
    void close_box() override { screen_.Command2_Click(); }

    StationScreen& screen_;
};

}  // namespace zelora::ui
