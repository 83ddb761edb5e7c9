#pragma once
// The radio and the rotator as the windows see them: a last known state to poll and commands to
// queue. Talking to the devices happens elsewhere, on a thread of its own, because a device can
// take seconds to answer or never answer at all; nothing here ever waits for a device.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelora {

// Which device and how to reach it.
struct DeviceSettings {
    int model = 0;     // the Hamlib model number; 0: no device
    std::string port;  // a serial device ("/dev/ttyUSB0") or host:port for a network model;
                       // empty: the model's own default
    int speed = 0;     // serial speed in baud; 0: the model's own default

    bool operator==(const DeviceSettings&) const = default;
};

// One model the device library knows, for the operator to choose from.
struct DeviceModel {
    int number = 0;
    std::string maker;  // "Icom", "Hamlib"
    std::string name;   // "IC-705", "NET rigctl"

    bool operator==(const DeviceModel&) const = default;
};

// Why a chosen device is not connected, or what it did to the last command.
enum class DeviceFault {
    none,           // connected, or no device chosen, or still trying for the first time
    unknown_model,  // the model number is not one the device library knows
    cannot_open,    // the port is missing, busy or refuses the connection
    no_answer,      // the device does not answer, or stopped answering
    bad_answer,     // the device answers something that cannot be read
    refused,        // connected, but the device refused the last command
};

struct RadioState {
    bool connected = false;
    DeviceFault fault = DeviceFault::none;
    std::string model_name;         // "IC-705"; empty until the model is known
    std::int64_t frequency_hz = 0;  // 0: not known (never a stale value while not connected)
    std::string mode;  // as the device library names it: "USB", "LSB", "CW", "CWR", "FM", "AM",
                       // "PKTUSB", "RTTY"...; empty: not known

    bool operator==(const RadioState&) const = default;
};

struct RotatorState {
    bool connected = false;
    DeviceFault fault = DeviceFault::none;
    std::string model_name;
    // As the rotator reports it, in its own range: it may be negative or past 360 (see
    // compass_heading). Not known while not connected, or when the rotator cannot tell.
    std::optional<double> azimuth;
    double min_azimuth = 0;  // the range the rotator can turn through, known once connected
    double max_azimuth = 360;

    bool operator==(const RotatorState&) const = default;
};

// Every call returns at once: state() copies the last known snapshot, the others only queue.
class Radio {
  public:
    virtual ~Radio() = default;
    // The models the operator can choose from, sorted by maker and name.
    virtual const std::vector<DeviceModel>& models() const = 0;
    // Drives this device from now on, closing the one before; model 0 closes it only. The same
    // settings again change nothing. A device that fails is tried again every few seconds.
    virtual void use(const DeviceSettings& settings) = 0;
    virtual RadioState state() const = 0;
};

class Rotator {
  public:
    virtual ~Rotator() = default;
    virtual const std::vector<DeviceModel>& models() const = 0;
    virtual void use(const DeviceSettings& settings) = 0;
    virtual RotatorState state() const = 0;
    // Turns the antenna to a compass heading (degrees from north), brought within the
    // rotator's range (rotator_target). Only the latest of turn_to and stop is kept; both are
    // dropped while the rotator is not connected, so an antenna never moves minutes later.
    virtual void turn_to(double heading) = 0;
    virtual void stop() = 0;
};

// An azimuth as a rotator reports it (-90, 400) as a compass heading in [0, 360).
double compass_heading(double azimuth);

// Where a rotator of range [min_azimuth, max_azimuth] goes for a compass heading: the heading,
// or the same direction one turn below or above it, whichever lies in the range (the one
// nearest `current` when more do); when none does, the range's end nearest to it.
double rotator_target(double heading, double min_azimuth, double max_azimuth,
                      std::optional<double> current = std::nullopt);

}  // namespace zelora
