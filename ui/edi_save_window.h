#pragma once

#include "ui/window_view.h"
#include "windows/edi_save_screen.h"

class QVBoxLayout;

namespace zelora::ui {

// "Zelora qrp Test - Salva Log edi": the finished log and the name of its file.
class EdiSaveWindow : public WindowView {
    Q_OBJECT
  public:
    explicit EdiSaveWindow(EdiSaveScreen& screen);

  private:
    void close_box() override { screen_.Command2_Click(); }
    // The column of the window's commands, under the file name.
    QVBoxLayout* make_commands();

    EdiSaveScreen& screen_;
};

}  // namespace zelora::ui
