#pragma once

#include "ui/window_view.h"
#include "windows/report_screen.h"

namespace zelora::ui {

// The report window: the statistics report in one large box, "Salva" and "Chiudi".
class ReportWindow : public WindowView {
    Q_OBJECT
  public:
    explicit ReportWindow(ReportScreen& screen);

  private:
    void close_box() override { screen_.Command2_Click(); }

    ReportScreen& screen_;
};

}  // namespace zelora::ui
