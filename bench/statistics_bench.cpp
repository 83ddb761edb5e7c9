// The statistics of a 10,000-QSO contest: each QSO measured through the calculator, the
// ranking's exchange sort, and the report built from them.

#include <benchmark/benchmark.h>

#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/window_set.h"
#include "core/main_log_screen.h"
#include "stats/ranking_order.h"
#include "stats/statistics_screen.h"
#include "tests/support/fakes.h"

namespace {

using zelora::testing::FakePlatform;

// A locator of the grid around JN81 for QSO `n`: many squares, many equal distances.
std::string locator_of(long n) {
    const char field[] = {static_cast<char>('J' + n % 2), static_cast<char>('M' + n / 2 % 3), 0};
    return std::string(field) + std::to_string(n / 6 % 10) + std::to_string(n / 60 % 10) +
           static_cast<char>('A' + n / 600 % 24) + static_cast<char>('A' + n % 24);
}

struct Contest {
    FakePlatform fake;
    zelora::WindowSet windows{fake.platform()};

    explicit Contest(long qsos) {
        fake.dir.write("config.txt", "Call = ZZ9QX\r\nLocator = JN81GD\r\n");
        zelora::start_program(windows);
        auto& main = windows.get<zelora::MainLogScreen>();
        for (long n = 0; n < qsos; ++n) {
            fake.clock.utc.hour = 7 + static_cast<int>(n % 7);
            main.focus(main.Text6);
            main.Text6.set((n % 2 ? "IK" : "DL") + std::to_string(n % 10) + "Z" +
                           std::to_string(n));
            main.focus(main.Text9);
            main.Text9.set("001");
            main.focus(main.Text10);
            main.Text10.set(locator_of(n));
            if (!main.AcceptQso()) throw std::logic_error("QSO refused");
        }
    }
};

void BM_StatisticsOfLog(benchmark::State& state) {
    Contest contest(state.range(0));
    for (auto _ : state) {
        contest.windows.close(zelora::WindowId::statistics);
        auto& statistics = contest.windows.get<zelora::StatisticsScreen>();
        benchmark::DoNotOptimize(statistics.List1.data());
    }
}
BENCHMARK(BM_StatisticsOfLog)->Arg(10000)->Unit(benchmark::kMillisecond);

// "Report" on the open statistics window.
void BM_ReportOfLog(benchmark::State& state) {
    Contest contest(state.range(0));
    auto& statistics = contest.windows.get<zelora::StatisticsScreen>();
    for (auto _ : state) {
        contest.windows.close(zelora::WindowId::report);
        statistics.Command2_Click();
    }
}
BENCHMARK(BM_ReportOfLog)->Arg(10000)->Unit(benchmark::kMillisecond);

// Ascending distances: the exchange sort's most exchanges.
void BM_RankingOrderWorstCase(benchmark::State& state) {
    std::vector<std::int64_t> distances(static_cast<std::size_t>(state.range(0)));
    std::iota(distances.begin(), distances.end(), 0);
    for (auto _ : state) benchmark::DoNotOptimize(zelora::ranking_order(distances).data());
}
BENCHMARK(BM_RankingOrderWorstCase)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
