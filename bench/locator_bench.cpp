#include <benchmark/benchmark.h>

#include "base/window_set.h"
#include "geo/bearing_calculator_screen.h"
#include "geo/locator_math.h"
#include "tests/support/fakes.h"

namespace {

void BM_LocatorMath(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zelora::locator_math("JN81GD", "JN61FV"));
}
BENCHMARK(BM_LocatorMath);

// One calculation as a QSO entry asks for it: written into the calculator window and handed
// over to the main window. Two locators alternate so that every write calculates.
void BM_LocatorThroughWindow(benchmark::State& state) {
    zelora::testing::FakePlatform fake;
    zelora::WindowSet windows{fake.platform()};
    auto& calculator = windows.get<zelora::BearingCalculatorScreen>();
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        calculator.SetLocator2(flip ? "JN61FV" : "JN45LL");
        benchmark::DoNotOptimize(calculator.Text6.text());
    }
}
BENCHMARK(BM_LocatorThroughWindow);

}  // namespace
