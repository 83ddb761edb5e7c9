#pragma once

#include <QWidget>

#include "geo/pointing.h"

namespace zelora::ui {

// The kilometre scale of the pointing display (Picture2) with its distance bar (Line2), drawn
// as vectors so that it stays sharp at any screen scale.
class KmScalePicture : public QWidget {
    Q_OBJECT
  public:
    explicit KmScalePicture(QWidget* parent = nullptr);

    // The bar in twips inside the picture; drawn only while visible.
    void setBar(const zelora::TwipLine& bar);
    const zelora::TwipLine& bar() const { return bar_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    zelora::TwipLine bar_ = zelora::kBarAtStart;
};

}  // namespace zelora::ui
