#pragma once

#include <QObject>

#include "windows/station_control.h"

class QPushButton;
class QWidget;

namespace zelora::ui {

class CompassPicture;
class WindowView;

// The main window's parts for the radio and the rotator, made for its layout to place: the status
// line, "Punta" and "Ferma" beside the compass, the frequency beside "Mhz" and the button of the
// "Radio e rotore" window. It reads the devices' state once a second. What no device is chosen
// for takes no room, so the window looks as it always did.
class StationControlBar : public QObject {
    Q_OBJECT
  public:
    StationControlBar(WindowView& view, StationControl& station);

    QWidget* status_line();
    QWidget* pointing_buttons(CompassPicture* compass);
    QWidget* frequency_label();
    QPushButton* devices_button();

  private:
    WindowView& view_;
    StationControl& station_;
};

}  // namespace zelora::ui
