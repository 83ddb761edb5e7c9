// The statistics of a long contest: the window computed with its ranking's exchange sort, the
// report built from it, and the exchange sort alone on its worst input.

#include <benchmark/benchmark.h>

#include <numeric>
#include <vector>

#include "bench/support/contest_log.h"
#include "stats/ranking_order.h"
#include "windows/statistics_screen.h"

namespace {

void BM_Statistics(benchmark::State& state) {
    zelora::bench::Contest contest(state.range(0));
    for (auto _ : state) {
        contest.windows.close(zelora::WindowId::statistics);
        auto& statistics = contest.windows.get<zelora::StatisticsScreen>();
        benchmark::DoNotOptimize(statistics.List1.data());
    }
}
BENCHMARK(BM_Statistics)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// "Report" on the open statistics window.
void BM_StatisticsReport(benchmark::State& state) {
    zelora::bench::Contest contest(state.range(0));
    auto& statistics = contest.windows.get<zelora::StatisticsScreen>();
    for (auto _ : state) {
        contest.windows.close(zelora::WindowId::report);
        statistics.Command2_Click();
    }
}
BENCHMARK(BM_StatisticsReport)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Ascending distances: the exchange sort's most exchanges.
void BM_RankingOrderWorstCase(benchmark::State& state) {
    std::vector<std::int64_t> distances(static_cast<std::size_t>(state.range(0)));
    std::iota(distances.begin(), distances.end(), 0);
    for (auto _ : state) benchmark::DoNotOptimize(zelora::ranking_order(distances).data());
}
BENCHMARK(BM_RankingOrderWorstCase)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
