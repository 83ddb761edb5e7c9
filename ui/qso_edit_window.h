#pragma once

#include "ui/window_view.h"
#include "windows/qso_edit_screen.h"

class QLineEdit;

namespace zelora::ui {

// The QSO correction window: the search at the top, the found QSO's eight fields in two
// columns, "Modifica" and "Chiudi" at the bottom.
class QsoEditWindow : public WindowView {
    Q_OBJECT
  public:
    explicit QsoEditWindow(QsoEditScreen& screen);

  private:
    void close_box() override { screen_.Command2_Click(); }
    QLineEdit* box(Control& control, const char* name);

    QsoEditScreen& screen_;
};

}  // namespace zelora::ui
