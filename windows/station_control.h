#pragma once
// The main window's side of the radio and the rotator: the status line, the frequency beside
// "Mhz", the mode box following the radio, the rotator's needle, "Punta" and "Ferma". It reads
// the devices' last known state and queues commands, so nothing here waits for a device. With no
// device chosen it shows nothing and does nothing: the window is the one it always was.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/control.h"
#include "base/platform.h"
#include "geo/pointing.h"
#include "store/radio_settings.h"

namespace zelora {

class MainLogScreen;
class WindowSet;

// The mode box's value for a radio mode ("USB" as "SSB", "CWR" as "CW"); empty for a mode the
// contest does not know (AM, data, RTTY).
std::string contest_mode(const std::string& radio_mode);

// A frequency in Hz as MHz with three decimals, "144.300"; empty when not known (0 or less).
std::string frequency_mhz_text(std::int64_t frequency_hz);

// Drives the platform's devices with these settings (model 0: none).
void use_station_devices(const Platform& platform, const StationDeviceSettings& settings);

class StationControl {
  public:
    StationControl(MainLogScreen& main, WindowSet& windows);

    // The status line: "Radio: IC-705 144.300 USB", "Rotore: 135°", "Radio non collegata ...".
    Control RadioStatus{"", false};
    Control RotatorStatus{"", false};
    Control Frequency{"", false};  // beside "Mhz": the radio's frequency, "144.300"
    Control Command1{"Punta", false};
    Control Command2{"Ferma", false};

    // The compass's second needle: the heading the rotator reports, hidden while not known.
    TwipLine Line3 = hidden_needle();
    std::function<void()> on_rotator_needle_changed;

    // The shown frequency lies outside the contest's band, 144-146 MHz.
    bool frequency_outside_band() const { return outside_band_; }

    // radio.txt, read when the main window loads: the devices are driven with it.
    void Load();
    // New settings, saved by the "Radio e rotore" window.
    void Use(const StationDeviceSettings& settings);
    // Reads the devices' last known state into the window (about once a second).
    void Refresh();

    void Command1_Click();  // "Punta": the antenna to the QTF of the locator being typed
    void Command2_Click();  // "Ferma"
    void Command3_Click();  // "Radio e rotore"

    // The radio's frequency for the QSO being logged ("" when not known or off-line).
    std::string qso_frequency() const;

  private:
    static TwipLine hidden_needle() {
        TwipLine needle = kNeedleAtStart;
        needle.visible = false;
        return needle;
    }
    Radio* radio() const;
    Rotator* rotator() const;
    void ShowRadio();
    void ShowRotator();

    MainLogScreen& main_;
    WindowSet& windows_;
    StationDeviceSettings settings_;
    bool outside_band_ = false;
    std::optional<double> needle_heading_;
};

}  // namespace zelora
