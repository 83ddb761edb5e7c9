#pragma once

#include <string>
#include <vector>

#include "base/control.h"
#include "base/station_devices.h"
#include "base/window.h"
#include "windows/window_id.h"

namespace zelora {

// "Radio e rotore": the radio and the rotator the program drives, saved in radio.txt. Each is a
// model of the device library (or "Nessuno"), a serial port or host:port, and a speed.
class DeviceScreen : public Window {
  public:
    static constexpr WindowId kId = WindowId::devices;
    explicit DeviceScreen(WindowSet& windows);

    Control Combo1;  // radio model: one of radio_choices()
    Control Text1;   // radio port: "/dev/ttyUSB0", "127.0.0.1:4532"; empty: the model's own
    Control Text2;   // radio speed in baud; empty: the model's own
    Control Combo2;  // rotator model: one of rotator_choices()
    Control Text3;   // rotator port
    Control Text4;   // rotator speed

    // "Nessuno", then every model as "Maker Name (number)", by maker and name.
    const std::vector<std::string>& radio_choices() const { return radio_choices_; }
    const std::vector<std::string>& rotator_choices() const { return rotator_choices_; }

    void Form_Load() override;
    void Command1_Click();  // "Salva": radio.txt written, the devices driven with it
    void Command2_Click();  // "Esci"

  private:
    std::vector<DeviceModel> radio_models_;
    std::vector<DeviceModel> rotator_models_;
    std::vector<std::string> radio_choices_;
    std::vector<std::string> rotator_choices_;
};

}  // namespace zelora
