#pragma once

#include <QWidget>

#include "geo/pointing.h"

namespace zelora::ui {

// The compass rose of the pointing display (Picture1) with its needle (Line1), and under it
// the rotator's needle in another colour, drawn as vectors so that they stay sharp at any screen
// scale.
class CompassPicture : public QWidget {
    Q_OBJECT
  public:
    explicit CompassPicture(QWidget* parent = nullptr);

    // The needle in twips inside the picture.
    void setNeedle(const zelora::TwipLine& needle);
    const zelora::TwipLine& needle() const { return needle_; }
    // Where the rotator points (hidden: no rotator, or not connected).
    void setRotatorNeedle(const zelora::TwipLine& needle);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    zelora::TwipLine needle_ = zelora::kNeedleAtStart;
    zelora::TwipLine rotator_needle_{0, 0, 0, 0, false};
};

}  // namespace zelora::ui
