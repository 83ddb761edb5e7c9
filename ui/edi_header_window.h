#pragma once

#include "export/edi_header_screen.h"
#include "ui/window_view.h"

namespace zelora::ui {

// "Zelora qrp Test - Compilazione Log formato EDI": the header of the EDI log.
class EdiHeaderWindow : public WindowView {
    Q_OBJECT
  public:
    explicit EdiHeaderWindow(EdiHeaderScreen& screen);

  private:
    void close_box() override { screen_.Command1_Click(); }

    EdiHeaderScreen& screen_;
};

}  // namespace zelora::ui
