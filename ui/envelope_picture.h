#pragma once
// The EDI save window's decorative picture: the log leaving in an envelope, drawn as vectors
// so that it stays sharp at any screen scale.

#include <QPixmap>

namespace zelora::ui {

QPixmap envelope_picture(int height, qreal device_pixel_ratio);

}  // namespace zelora::ui
