#pragma once
// The radio and the rotator through Hamlib, each on a worker thread of its own that owns the
// library's handle: opening, reading the device about once a second, running the queued
// commands, and trying again every few seconds after a failure. The window thread only copies
// snapshots and queues commands, so it never waits for a device.

#include <memory>

#include "base/station_devices.h"

namespace zelora {

// Hamlib's models for a daemon on another computer ("NET rigctl", "NET rotctl"): the port is
// then host:port.
inline constexpr int kNetworkRadioModel = 2;
inline constexpr int kNetworkRotatorModel = 2;

std::unique_ptr<Radio> make_hamlib_radio();
std::unique_ptr<Rotator> make_hamlib_rotator();

}  // namespace zelora
