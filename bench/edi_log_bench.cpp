// The EDI log of a long contest: building its text, and the whole "Crea EDI".

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "base/window_set.h"
#include "core/main_log_screen.h"
#include "export/edi_header_screen.h"
#include "export/edi_log_text.h"
#include "tests/support/fakes.h"

namespace {

using zelora::testing::FakePlatform;

constexpr const char* kLocators[] = {"JN61FV", "JN45LL", "KN01AA", "JN71AA"};

struct LoggedContest {
    FakePlatform fake;
    zelora::WindowSet windows{fake.platform()};

    explicit LoggedContest(long qsos) {
        fake.dir.write("config.txt", "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\n");
        start_program(windows);
        auto& main = windows.get<zelora::MainLogScreen>();
        for (long n = 0; n < qsos; ++n) {
            main.Text6.set("ZZ" + std::to_string(100000 + n));
            main.Text9.set("001");
            main.Text10.set(kLocators[n % 4]);
            main.Text11.set(n % 3 == 0 ? "I003" : "");
            if (!main.AcceptQso()) throw std::logic_error("QSO refused");
        }
    }
    zelora::EdiHeaderScreen& header() { return windows.get<zelora::EdiHeaderScreen>(); }
};

void BM_EdiLogText(benchmark::State& state) {
    LoggedContest contest(state.range(0));
    const zelora::EdiHeader header = contest.header().header();
    const zelora::EdiContest values{contest.windows.get<zelora::MainLogScreen>().totals(), "003",
                                    "...", "19/07/20"};
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string text = zelora::edi_log_text(header, values, contest.header().Text1);
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["log_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_EdiLogText)->Arg(10000)->Unit(benchmark::kMillisecond);

// "Crea EDI" pressed again and again: each press builds the log and hands it to the save window.
void BM_CreaEdi(benchmark::State& state) {
    LoggedContest contest(state.range(0));
    for (auto _ : state) {
        contest.header().Command2_Click();
        contest.windows.close(zelora::WindowId::edi_save);  // the next press hands over anew
    }
}
BENCHMARK(BM_CreaEdi)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
