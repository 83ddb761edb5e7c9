#pragma once

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

namespace zelora::ui {

// The squares worked drawn on the 19 x 13 grid: worked cells filled, the own square marked,
// the grid's letters and digits along the edges.
class SquareMapPicture : public QWidget {
    Q_OBJECT
  public:
    // `map` is the map text, in which a worked square is four blanks.
    SquareMapPicture(const std::string& map, const std::string& own_square,
                     QWidget* parent = nullptr);

    QSize sizeHint() const override;
    bool worked(int row, int column) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<bool> worked_;  // row by row
    int own_row_ = -1;
    int own_column_ = -1;
};

// Counts as horizontal bars, one labelled bar per count.
class CountBarsPicture : public QWidget {
    Q_OBJECT
  public:
    CountBarsPicture(QStringList labels, std::vector<int> counts, QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList labels_;
    std::vector<int> counts_;
};

}  // namespace zelora::ui
