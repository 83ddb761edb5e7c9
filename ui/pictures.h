#pragma once
// The pictures of the main window's picture buttons and its decorative image, drawn as vectors
// so that they stay sharp at any screen scale.

#include <QIcon>
#include <QPixmap>

namespace zelora::ui {

QIcon mode_switch_icon();                                       // two arrows: on-line / off-line
QIcon clock_icon();                                             // fill date and time from the clock
QIcon back_to_start_icon();                                     // back to the start dialog
QIcon award_icon();                                             // the award medal
QPixmap antenna_picture(int height, qreal device_pixel_ratio);  // a Yagi over the band

}  // namespace zelora::ui
