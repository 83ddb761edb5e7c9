#pragma once

#include <QLabel>

namespace zelora::ui {

// A label of a fixed width: a value longer than that width is cut with an ellipsis on screen
// (its whole text stays in text() and shows as a tooltip), so no value moves the layout.
class ElidedLabel : public QLabel {
    Q_OBJECT
  public:
    // `widest` is the text the label is made wide enough for.
    explicit ElidedLabel(const QString& widest, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    bool event(QEvent* event) override;  // the whole text as tooltip when it is cut
    void paintEvent(QPaintEvent* event) override;

  private:
    QString shown_part() const;

    QString widest_;
};

}  // namespace zelora::ui
