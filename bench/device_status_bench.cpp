// The window thread's cost of one status refresh: the radio's and the rotator's last known state
// read while their workers poll Hamlib's dummy daemons through "NET rigctl" and "NET rotctl".

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "hamlib/hamlib_devices.h"
#include "tests/support/station_daemons.h"

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

}  // namespace
