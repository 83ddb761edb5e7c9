// The main window on a long contest: accepting one more QSO, saving parziale.db and restoring it.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/files.h"
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

// The saved file of a contest of `qsos` QSOs; with `huge_value` every total holds it.
std::string saved_contest(long qsos, const std::string& huge_value = {}) {
    Contest saved(qsos);
    saved.main.SavePartialState();
    std::string file = saved.fake.dir.read("parziale.db");
    if (huge_value.empty()) return file;
    std::string with_huge;
    for (const std::string& line : zelora::split_lines(file)) {
        const bool total = line.starts_with("CONTEST_");
        with_huge += (total ? line.substr(0, line.find(' ') + 1) + huge_value : line) + "\r\n";
    }
    return with_huge;
}

// A hand-edited file may hold a value of any size.
const std::string kHugeValue(64 * 1024, '7');

// "Continua Contest": the start dialog's button over a saved contest, up to the restored window.
void BM_ContinueContest(benchmark::State& state) {
    const std::string file = saved_contest(state.range(0), state.range(1) ? kHugeValue : "");
    for (auto _ : state) {
        state.PauseTiming();
        auto fake = std::make_unique<FakePlatform>();
        fake->dir.write("config.txt", kStationFile);
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
BENCHMARK(BM_ContinueContest)
    ->ArgNames({"qsos", "huge"})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond);

// One more QSO, saved, after restoring a contest whose totals hold 64 KB values.
void BM_AcceptAndSaveAfterHugeValues(benchmark::State& state) {
    FakePlatform fake;
    fake.dir.write("config.txt", kStationFile);
    fake.dir.write("parziale.db", saved_contest(state.range(0), kHugeValue));
    zelora::WindowSet windows(fake.platform());
    start_program(windows);
    windows.get<zelora::StartScreen>().Command1_Click();
    zelora::MainLogScreen& main = windows.get<zelora::MainLogScreen>();
    long n = state.range(0);
    for (auto _ : state) {
        log_qso(main, n++);
        main.SavePartialState();
    }
}
BENCHMARK(BM_AcceptAndSaveAfterHugeValues)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
