#pragma once

#include <QScrollArea>

namespace zelora::ui {

// A part of a window that scrolls sideways when the screen is too narrow for it: as large as
// what it holds at its least where there is room, never shorter than that, so it never scrolls
// up and down.
class ScrollingPart : public QScrollArea {
    Q_OBJECT
  public:
    explicit ScrollingPart(QWidget* content, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace zelora::ui
