// The checks made on every keystroke of the callsign box, and the rate, on a 10,000-QSO log.

#include <benchmark/benchmark.h>

#include <string>

#include "base/window_set.h"
#include "core/log_search.h"
#include "core/main_log_screen.h"
#include "tests/support/fakes.h"

namespace {

constexpr const char* kPrefixes[] = {"IK2", "I1", "OE3", "HB9", "S5",
                                     "9A1", "DL", "F4",  "OK1", "YU7"};

// Callsigns of a busy contest: ten prefixes, three-letter suffixes, all different.
std::string callsign(long n) {
    std::string suffix;
    for (long rest = n / 10, i = 0; i < 3; ++i, rest /= 26) suffix += char('A' + rest % 26);
    return kPrefixes[n % 10] + std::to_string(n / 17576) + suffix;
}

zelora::QsoIndex log_of(long qsos) {
    zelora::QsoIndex index;
    for (long n = 0; n < qsos; ++n) {
        zelora::QsoRecord qso;
        qso.callsign = callsign(n);
        qso.date = "19/07/20";
        qso.time = "07.20";
        index.add(qso);
    }
    return index;
}

// Typed text: one that matches nothing (the whole log is searched), one that matches many
// (ten are found among the newest), one that matches one callsign.
void BM_PartialCheck(benchmark::State& state) {
    const zelora::QsoIndex index = log_of(state.range(0));
    zelora::LogSearch search;
    search.sync(index);
    const std::string texts[] = {"QQ", "IK2", callsign(1234).substr(2)};
    const std::string& text = texts[state.range(1)];
    for (auto _ : state) benchmark::DoNotOptimize(search.containing(text, 10));
}
BENCHMARK(BM_PartialCheck)
    ->ArgsProduct({{10000}, {0, 1, 2}})
    ->ArgNames({"qsos", "text"})
    ->Unit(benchmark::kMicrosecond);

// One keystroke in the callsign box of the main window: duplicate mark, partial list and member
// hint, alternately for a worked callsign and a new one.
void BM_CallsignKeystroke(benchmark::State& state) {
    zelora::testing::FakePlatform fake;
    fake.dir.write("config.txt", "Call = ZZ9QX\r\nLocator = JN81GD\r\n");
    fake.dir.write("iqrp.txt", "IK20AAA#12\r\n");
    zelora::WindowSet windows(fake.platform());
    start_program(windows);
    zelora::MainLogScreen& main = windows.get<zelora::MainLogScreen>();
    for (long n = 0; n < state.range(0); ++n) {
        main.Text6.set(callsign(n));
        main.Text9.set("001");
        main.Text10.set("JN61FV");
        if (!main.AcceptQso()) throw std::logic_error("QSO refused");
    }
    const std::string worked = callsign(state.range(0) / 2);
    const std::string typed[] = {worked, worked + "/P"};
    long n = 0;
    for (auto _ : state) main.Text6.set(typed[n++ % 2]);
    if (main.aids.DupeMark.text().empty() == (n % 2 == 1)) state.SkipWithError("wrong mark");
}
BENCHMARK(BM_CallsignKeystroke)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_RateRefresh(benchmark::State& state) {
    const zelora::QsoIndex index = log_of(state.range(0));
    zelora::testing::FakeClock clock;
    zelora::testing::RecordingMessages messages;
    const zelora::Platform platform{clock, messages, "."};
    zelora::OperatorAids aids(index, platform);
    for (auto _ : state) aids.RefreshRate();
    if (aids.Rate60.text() != std::to_string(state.range(0))) state.SkipWithError("wrong rate");
}
BENCHMARK(BM_RateRefresh)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
