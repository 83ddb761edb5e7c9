#include <benchmark/benchmark.h>

#include <string>

#include "base/files.h"
#include "base/text.h"
#include "core/contest_totals.h"
#include "core/qso_lines.h"
#include "store/partial_state_file.h"

namespace {

using namespace zelora;

constexpr int kQsos = 10'000;

struct Contest {
    ContestTotals totals;
    LogList readable_log;
    LogList edi_log;
};

// A full contest log built the way the entry builds it.
Contest contest_of(int qsos) {
    Contest contest;
    for (int i = 1; i <= qsos; ++i) {
        QsoRecord qso{pad_serial(std::to_string(i)),
                      "19/07/20",
                      "07.20",
                      "144",
                      i % 3 == 0 ? "CW" : "SSB",
                      "IZ" + std::to_string(i) + "ABC",
                      "59",
                      "59",
                      pad_serial(std::to_string(i % 1000)),
                      "JN81GD",
                      i % 4 == 0 ? "I" + pad_serial(std::to_string(i % 1000)) : "",
                      " " + std::to_string(100 + i % 700)};
        contest.edi_log.append(edi_qso_line(qso));
        contest.readable_log.append(qso_list_line(qso));
        contest.totals = add_qso(contest.totals, qso.qrb, qso.member, qso.callsign, qso.locator);
    }
    return contest;
}

void BM_PartialStateText(benchmark::State& state) {
    const Contest contest = contest_of(kQsos);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            partial_state_text("10001", contest.totals, contest.readable_log, contest.edi_log));
    }
}
BENCHMARK(BM_PartialStateText)->Unit(benchmark::kMillisecond);

// Reading the file's text back into the two lists.
void BM_ParsePartialState(benchmark::State& state) {
    const Contest contest = contest_of(kQsos);
    const std::string text =
        partial_state_text("10001", contest.totals, contest.readable_log, contest.edi_log);
    for (auto _ : state) {
        LogList readable_log;
        LogList edi_log;
        for (StateEntry& entry : parse_partial_state(split_lines(text))) {
            if (entry.key == StateKey::lista_qso) readable_log.append(std::move(entry.value));
            if (entry.key == StateKey::qso_edi) edi_log.append(std::move(entry.value));
        }
        benchmark::DoNotOptimize(readable_log.size() + edi_log.size());
    }
}
BENCHMARK(BM_ParsePartialState)->Unit(benchmark::kMillisecond);

void BM_AddQso(benchmark::State& state) {
    ContestTotals totals = contest_of(100).totals;
    for (auto _ : state) {
        benchmark::DoNotOptimize(add_qso(totals, " 523", "I003", "ZZ9XA", "JN81GD"));
    }
}
BENCHMARK(BM_AddQso);

}  // namespace
