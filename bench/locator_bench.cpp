// One locator calculation as a QSO entry asks for it: written into the calculator window and
// handed over to the main window. It does not depend on the log.

#include <benchmark/benchmark.h>

#include "base/window_set.h"
#include "tests/support/fakes.h"
#include "windows/bearing_calculator_screen.h"

namespace {

// Two locators alternate so that every write calculates.
void BM_LocatorCalculation(benchmark::State& state) {
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
BENCHMARK(BM_LocatorCalculation)->Unit(benchmark::kMicrosecond);

}  // namespace
