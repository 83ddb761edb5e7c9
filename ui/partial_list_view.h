#pragma once

#include <QListWidget>
#include <vector>

#include "windows/history_aids.h"

namespace zelora::ui {

// The partial list: the worked callsigns, then under "Storico" the history's stations, which
// the operator picks with a click, or with the arrows and Enter once the caret is in the list.
class PartialListView : public QListWidget {
    Q_OBJECT
  public:
    explicit PartialListView(QWidget* parent = nullptr);

    void show_rows(const std::vector<PartialRow>& rows);
    // The caret goes into the list, on its first station to pick; false when there is none.
    bool enter();

  signals:
    void picked(int history_row);
    // Escape, or Up from the first station: the caret goes back.
    void left();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The history row of list row `row`, or -1 when it is no station to pick.
    int history_row(int row) const;
    // The next row to pick from `row` on, going by `step`; -1 for none.
    int next_pick(int row, int step) const;
};

}  // namespace zelora::ui
