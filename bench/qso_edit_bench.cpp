// A correction of one QSO in the middle of the log: the search, the rewrite and the save of
// parziale.db that "Modifica" makes.

#include <benchmark/benchmark.h>

#include "bench/support/contest_log.h"
#include "windows/qso_edit_screen.h"

namespace {

void BM_Correction(benchmark::State& state) {
    zelora::bench::Contest contest(state.range(0));
    auto& edit = contest.windows.get<zelora::QsoEditScreen>();
    const std::string callsign = zelora::bench::callsign(state.range(0) / 2);
    long pass = 0;
    for (auto _ : state) {
        // Another locator and member number each time: every pass rewrites lines and totals.
        edit.Text1.set(callsign);
        edit.Command3_Click();
        edit.Text5.set(zelora::bench::locator_of(++pass));
        edit.Text9.set(pass % 2 == 0 ? "M045" : "");
        edit.Command1_Click();
    }
    if (contest.fake.messages.shown.size() != static_cast<std::size_t>(pass))
        state.SkipWithError("a correction was refused");
}
BENCHMARK(BM_Correction)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
