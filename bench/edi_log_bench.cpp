// "Crea EDI" on a long contest: the EDI log built and handed to the save window.

#include <benchmark/benchmark.h>

#include "bench/support/contest_log.h"
#include "windows/edi_header_screen.h"

namespace {

void BM_CreaEdi(benchmark::State& state) {
    zelora::bench::Contest contest(state.range(0));
    auto& header = contest.windows.get<zelora::EdiHeaderScreen>();
    for (auto _ : state) {
        header.Command2_Click();
        contest.windows.close(zelora::WindowId::edi_save);  // the next press hands over anew
    }
}
BENCHMARK(BM_CreaEdi)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
