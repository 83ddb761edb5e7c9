// One keystroke in the main window's callsign box with a history of 200,000 stations loaded:
// duplicate mark, partial list of the log and of the history, member hint and history mark.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/support/call_history.h"
#include "bench/support/contest_log.h"

namespace {

struct ContestWithHistory {
    zelora::testing::FakePlatform fake;
    zelora::WindowSet windows{fake.platform()};
    zelora::MainLogScreen* main = nullptr;

    explicit ContestWithHistory(long qsos) {
        fake.dir.write("config.txt", zelora::bench::kStationFile);
        fake.dir.write("storico.txt", zelora::bench::storico(zelora::bench::kStations));
        zelora::start_program(windows);
        main = &windows.get<zelora::MainLogScreen>();
        for (long n = 0; n < qsos; ++n) zelora::bench::log_qso(fake, *main, n);
    }
};

// Callsigns typed key by key and cleared: stations of the history, worked ones, unknown ones.
std::vector<std::string> keystrokes(long qsos) {
    std::vector<std::string> callsigns;
    for (long n = 0; n < 20; ++n) {
        callsigns.push_back(zelora::bench::station_callsign(n * 9973 % zelora::bench::kStations));
        callsigns.push_back(zelora::bench::callsign(n * qsos / 20));
    }
    callsigns.push_back("QQ9QQQ");
    std::vector<std::string> typed;
    for (const std::string& callsign : callsigns) {
        for (std::size_t n = 1; n <= callsign.size(); ++n) typed.push_back(callsign.substr(0, n));
        typed.push_back("");
    }
    return typed;
}

void BM_CallsignKeystrokeWithHistory(benchmark::State& state) {
    ContestWithHistory contest(state.range(0));
    const std::vector<std::string> typed = keystrokes(state.range(0));
    std::size_t next = 0;
    for (auto _ : state) contest.main->Text6.set(typed[next++ % typed.size()]);
    contest.main->Text6.set(zelora::bench::station_callsign(9973));
    if (contest.main->history.HistoryMark.text().empty()) state.SkipWithError("history not shown");
}
BENCHMARK(BM_CallsignKeystrokeWithHistory)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
