// The main window on a long contest: accepting one more QSO, saving parziale.db and restoring it.

#include <benchmark/benchmark.h>

#include <string>

#include "base/window_set.h"
#include "core/main_log_screen.h"
#include "core/start_screen.h"
#include "tests/support/fakes.h"

namespace {

using zelora::testing::FakePlatform;

constexpr const char* kStationFile =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = \r\nMDC = \r\n\r\n";
constexpr const char* kLocators[] = {"JN61FV", "JN45LL", "KN01AA", "JN71AA"};

// Types QSO number `n` into the entry row and accepts it, without saving the contest.
void log_qso(zelora::MainLogScreen& main, long n) {
    main.Text6.set("ZZ" + std::to_string(100000 + n));
    main.Text9.set("001");
    main.Text10.set(kLocators[n % 4]);
    main.Text11.set(n % 3 == 0 ? "I003" : "");
    if (!main.AcceptQso()) throw std::logic_error("QSO refused");
}

struct Contest {
    FakePlatform fake;
    zelora::WindowSet windows{fake.platform()};
    zelora::MainLogScreen& main;

    explicit Contest(long qsos) : main(start(fake, windows)) {
        for (long n = 0; n < qsos; ++n) log_qso(main, n);
    }
    static zelora::MainLogScreen& start(FakePlatform& fake, zelora::WindowSet& windows) {
        fake.dir.write("config.txt", kStationFile);
        start_program(windows);
        return windows.get<zelora::MainLogScreen>();
    }
};

void BM_AcceptQsoIntoLog(benchmark::State& state) {
    Contest contest(state.range(0));
    long n = state.range(0);
    for (auto _ : state) log_qso(contest.main, n++);
}
BENCHMARK(BM_AcceptQsoIntoLog)->Arg(1000)->Arg(10000);

void BM_SavePartialState(benchmark::State& state) {
    Contest contest(state.range(0));
    for (auto _ : state) contest.main.SavePartialState();
}
BENCHMARK(BM_SavePartialState)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ContinueContest(benchmark::State& state) {
    Contest saved(state.range(0));
    saved.main.SavePartialState();
    const std::string file = saved.fake.dir.read("parziale.db");
    for (auto _ : state) {
        FakePlatform fake;
        fake.dir.write("config.txt", kStationFile);
        fake.dir.write("parziale.db", file);
        zelora::WindowSet windows(fake.platform());
        start_program(windows);
        windows.get<zelora::StartScreen>().Command1_Click();  // "Continua Contest"
        if (windows.get<zelora::MainLogScreen>().Text12.size() !=
            static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("the contest was not restored");
        }
    }
}
BENCHMARK(BM_ContinueContest)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
