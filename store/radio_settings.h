#pragma once
// radio.txt, beside config.txt: the radio and the rotator the program drives. One "Key = value"
// line each, CR LF, in this order:
//   Radio = 3085                  the Hamlib model number; 0, "Nessuno" or no line: no radio
//   Porta radio = /dev/ttyUSB0    a serial device, or host:port for a network model; empty or
//                                 no line: the model's own default
//   Velocita radio = 19200        serial speed in baud; 0 or no line: the model's own default
//   Rotore = 2
//   Porta rotore = 127.0.0.1:4533
//   Velocita rotore = 0
// The file is edited by hand too: blanks around "=" and after the value do not matter, keys are
// compared exactly, a line with another key or with a value that cannot be read (a model or a
// speed that is not plain digits, a port with control characters) is skipped, and of a repeated
// key the last readable line counts.

#include <string>
#include <vector>

#include "base/platform.h"
#include "base/station_devices.h"

namespace zelora {

inline constexpr const char* kDeviceFileName = "radio.txt";

struct StationDeviceSettings {
    DeviceSettings radio;
    DeviceSettings rotator;

    bool operator==(const StationDeviceSettings&) const = default;
};

StationDeviceSettings parse_device_settings(const std::vector<std::string>& lines);
std::string device_settings_text(const StationDeviceSettings& settings);

// radio.txt in the program directory. Missing: no devices. Unreadable: the read notice, then
// no devices; the program goes on without them.
StationDeviceSettings read_device_settings(const Platform& platform);

// Replaces radio.txt; false after the write notice when it cannot.
bool write_device_settings(const Platform& platform, const StationDeviceSettings& settings);

}  // namespace zelora
