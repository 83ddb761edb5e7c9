// The main window on a contest of 100 to 10,000 QSOs: accepting one more QSO, saving parziale.db
// and restoring it with "Continua Contest".

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/support/contest_log.h"
#include "windows/start_screen.h"

namespace {

using zelora::bench::Contest;

void BM_AcceptQso(benchmark::State& state) {
    Contest contest(state.range(0));
    long n = state.range(0);
    for (auto _ : state) contest.log_qso(n++);
}
BENCHMARK(BM_AcceptQso)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_SavePartialState(benchmark::State& state) {
    Contest contest(state.range(0));
    for (auto _ : state) contest.main.SavePartialState();
}
BENCHMARK(BM_SavePartialState)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The start dialog's button over a saved contest, up to the restored window; "huge": every
// total of the file holds a 64 KB value.
void BM_ContinueContest(benchmark::State& state) {
    const std::string file = zelora::bench::saved_contest(state.range(0), state.range(1) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        auto fake = std::make_unique<zelora::testing::FakePlatform>();
        fake->dir.write("config.txt", zelora::bench::kStationFile);
        fake->dir.write("parziale.db", file);
        auto windows = std::make_unique<zelora::WindowSet>(fake->platform());
        start_program(*windows);
        state.ResumeTiming();
        windows->get<zelora::StartScreen>().Command1_Click();
        state.PauseTiming();
        if (windows->get<zelora::MainLogScreen>().Text12.size() !=
            static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("the contest was not restored");
        }
        windows.reset();
        fake.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ContinueContest)->Apply(zelora::bench::restored_contests);

// One more QSO, saved, after restoring a contest whose totals hold 64 KB values.
void BM_AcceptAndSaveAfterHugeValues(benchmark::State& state) {
    zelora::testing::FakePlatform fake;
    fake.dir.write("config.txt", zelora::bench::kStationFile);
    fake.dir.write("parziale.db", zelora::bench::saved_contest(state.range(0), true));
    zelora::WindowSet windows(fake.platform());
    start_program(windows);
    windows.get<zelora::StartScreen>().Command1_Click();
    zelora::MainLogScreen& main = windows.get<zelora::MainLogScreen>();
    long n = state.range(0);
    for (auto _ : state) {
        zelora::bench::log_qso(fake, main, n++);
        main.SavePartialState();
    }
}
BENCHMARK(BM_AcceptAndSaveAfterHugeValues)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
