// The checks made on every keystroke of the callsign box, and the rate, on a long contest.

#include <benchmark/benchmark.h>

#include "bench/support/contest_log.h"

namespace {

// One keystroke: duplicate mark, partial list and member hint, alternately for a worked callsign
// and for text that matches nothing, so that the whole log is searched.
void BM_CallsignKeystroke(benchmark::State& state) {
    zelora::bench::Contest contest(state.range(0));
    const std::string typed[] = {zelora::bench::callsign(state.range(0) / 2), "QQ9QQQ"};
    long n = 0;
    for (auto _ : state) contest.main.Text6.set(typed[n++ % 2]);
    if (contest.main.aids.DupeMark.text().empty() == (n % 2 == 1))
        state.SkipWithError("wrong mark");
}
BENCHMARK(BM_CallsignKeystroke)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_RateRefresh(benchmark::State& state) {
    zelora::bench::Contest contest(state.range(0));
    for (auto _ : state) contest.main.aids.RefreshRate();
}
BENCHMARK(BM_RateRefresh)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
