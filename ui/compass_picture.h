#pragma once

#include <QWidget>

#include "geo/pointing.h"

namespace zelora::ui {

// The compass rose of the pointing display (Picture1) with its needle (Line1), drawn as
// vectors so that it stays sharp at any screen scale.
class CompassPicture : public QWidget {
    Q_OBJECT
  public:
    explicit CompassPicture(QWidget* parent = nullptr);

    // The needle in twips inside the picture.
    void setNeedle(const zelora::TwipLine& needle);
    const zelora::TwipLine& needle() const { return needle_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    zelora::TwipLine needle_ = zelora::kNeedleAtStart;
};

}  // namespace zelora::ui
