#pragma once

#include "ui/window_view.h"
#include "windows/device_screen.h"

namespace zelora::ui {

// "Zelora qrp Test - Radio e rotore": which radio and rotator the program drives.
class DeviceWindow : public WindowView {
    Q_OBJECT
  public:
    explicit DeviceWindow(DeviceScreen& screen);

  private:
    void close_box() override { screen_.Command2_Click(); }

    DeviceScreen& screen_;
};

}  // namespace zelora::ui
