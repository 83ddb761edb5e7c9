// Correcting one QSO of a 10,000-QSO contest: the search and the rewrite alone, and the whole
// "Modifica" with the save of parziale.db.

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "base/window_set.h"
#include "core/main_log_screen.h"
#include "edit/qso_edit_screen.h"
#include "tests/support/fakes.h"

namespace {

constexpr const char* kLocators[] = {"JN61FV", "JN45LL", "KN01AA", "JN71AA"};

struct Contest {
    zelora::testing::FakePlatform fake;
    zelora::WindowSet windows{fake.platform()};

    explicit Contest(long qsos) {
        fake.dir.write("config.txt", "Call = ZZ9QX\r\nLocator = JN81GD\r\n");
        start_program(windows);
        zelora::MainLogScreen& main = windows.get<zelora::MainLogScreen>();
        for (long n = 0; n < qsos; ++n) {
            main.Text6.set("ZZ" + std::to_string(100000 + n));
            main.Text9.set("001");
            main.Text10.set(kLocators[n % 4]);
            main.Text11.set(n % 3 == 0 ? "I003" : "");
            if (!main.AcceptQso()) throw std::logic_error("QSO refused");
        }
    }
    // Finds the QSO in the middle of the log and gives it another locator and member number
    // each time, so that every pass rewrites its lines and moves its totals.
    zelora::QsoEditScreen& search_and_change(long pass) {
        zelora::QsoEditScreen& edit = windows.get<zelora::QsoEditScreen>();
        edit.Text1.set("ZZ105000");
        edit.Command3_Click();
        edit.Text5.set(kLocators[pass % 4]);
        edit.Text9.set(pass % 2 == 0 ? "M045" : "");
        return edit;
    }
};

void BM_CorrectionWithoutSave(benchmark::State& state) {
    Contest contest(state.range(0));
    long pass = 1;
    for (auto _ : state) {
        zelora::QsoEditScreen& edit = contest.search_and_change(pass++);
        if (edit.CorrectFoundQso() != zelora::QsoEditScreen::Correction::written)
            state.SkipWithError("the correction was not written");
    }
}
BENCHMARK(BM_CorrectionWithoutSave)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_ModificaWithSave(benchmark::State& state) {
    Contest contest(state.range(0));
    long pass = 1;
    for (auto _ : state) contest.search_and_change(pass++).Command1_Click();
    if (contest.fake.messages.shown.size() != static_cast<std::size_t>(pass - 1))
        state.SkipWithError("a correction was refused");
}
BENCHMARK(BM_ModificaWithSave)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
