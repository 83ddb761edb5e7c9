// The window thread's cost of one status refresh: the radio's and the rotator's last known state
// read while their workers poll Hamlib's dummy daemons through "NET rigctl" and "NET rotctl";
// then the same as the main window does it once a second, its status line, mode box, frequency
// and rotator needle brought up to date.

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "base/window_set.h"
#include "hamlib/hamlib_devices.h"
#include "tests/support/fakes.h"
#include "tests/support/station_daemons.h"
#include "windows/main_log_screen.h"

namespace {

void BM_DeviceStatusRefresh(benchmark::State& state) {
    zelora::testing::Daemon radio_daemon("rigctld");
    zelora::testing::Daemon rotator_daemon("rotctld");
    const auto radio = zelora::make_hamlib_radio();
    const auto rotator = zelora::make_hamlib_rotator();
    radio->use({zelora::kNetworkRadioModel, radio_daemon.address(), 0});
    rotator->use({zelora::kNetworkRotatorModel, rotator_daemon.address(), 0});
    for (int wait = 0; wait < 300 && !(radio->state().connected && rotator->state().connected);
         ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!radio->state().connected || !rotator->state().connected) {
        state.SkipWithError("the dummy daemons did not answer");
        return;
    }
    rotator->turn_to(90);  // the rotator's worker has news every second
    for (auto _ : state) {
        benchmark::DoNotOptimize(radio->state());
        benchmark::DoNotOptimize(rotator->state());
    }
}
BENCHMARK(BM_DeviceStatusRefresh)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_MainWindowStatusRefresh(benchmark::State& state) {
    zelora::testing::Daemon radio_daemon("rigctld");
    zelora::testing::Daemon rotator_daemon("rotctld");
    const auto radio = zelora::make_hamlib_radio();
    const auto rotator = zelora::make_hamlib_rotator();
    zelora::testing::FakePlatform fake;
    fake.dir.write("config.txt", "Call = ZZ9QX\r\nLocator = JN81GD\r\n");
    fake.dir.write("radio.txt", "Radio = 2\r\nPorta radio = " + radio_daemon.address() +
                                    "\r\nRotore = 2\r\nPorta rotore = " + rotator_daemon.address() +
                                    "\r\n");
    zelora::WindowSet windows(zelora::Platform{
        fake.clock, fake.messages, fake.dir.path(), {}, radio.get(), rotator.get()});
    start_program(windows);
    zelora::StationControl& station = windows.get<zelora::MainLogScreen>().station;
    const auto connected = [&] {
        return station.RadioStatus.text().starts_with("Radio:") &&
               station.RotatorStatus.text().starts_with("Rotore:");
    };
    for (int wait = 0; wait < 300 && !connected(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        station.Refresh();
    }
    if (!connected()) {
        state.SkipWithError("the dummy daemons did not answer");
        return;
    }
    rotator->turn_to(90);  // the needle and the status move every second
    for (auto _ : state) station.Refresh();
}
BENCHMARK(BM_MainWindowStatusRefresh)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace
