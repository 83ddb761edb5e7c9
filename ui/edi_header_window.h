#pragma once

#include "ui/window_view.h"
#include "windows/edi_header_screen.h"

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
