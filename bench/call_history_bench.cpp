// The call history at its largest: storico.txt of 200,000 stations read at start-up, the lookups
// of every keystroke, and the import of a 50 MB log.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/support/call_history.h"
#include "store/call_history.h"
#include "store/history_import.h"
#include "tests/support/fakes.h"

namespace {

using zelora::bench::kStations;
using zelora::bench::station_callsign;
using zelora::bench::storico;

struct History {
    zelora::testing::FakePlatform fake;
    zelora::CallHistory history;
    std::size_t heap_growth = 0;

    History() {
        fake.dir.write(zelora::kHistoryFileName, storico(kStations));
        const std::size_t before = mallinfo2().uordblks;
        history.load(fake.platform());
        heap_growth = mallinfo2().uordblks - before;
    }
};

// Start-up: storico.txt read and indexed. "heap_MB": what the loaded history keeps.
void BM_HistoryLoad(benchmark::State& state) {
    History loaded;
    for (auto _ : state) {
        zelora::CallHistory history;
        history.load(loaded.fake.platform());
        benchmark::DoNotOptimize(history.size());
    }
    state.counters["stations"] = static_cast<double>(loaded.history.size());
    state.counters["heap_MB"] = static_cast<double>(loaded.heap_growth) / 1e6;
}
BENCHMARK(BM_HistoryLoad)->Unit(benchmark::kMillisecond);

// What the operator may type: every beginning and piece of up to 6 characters of 2,000 stations'
// callsigns, and as much again that no callsign holds.
std::vector<std::string> typed_texts() {
    std::vector<std::string> typed;
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        const std::string callsign = station_callsign(static_cast<long>(random() % kStations));
        for (std::size_t at = 0; at < callsign.size(); ++at) {
            for (std::size_t length = 1; length <= 6 && at + length <= callsign.size(); ++length) {
                typed.push_back(callsign.substr(at, length));
                std::string changed = typed.back();
                changed.back() = static_cast<char>('A' + random() % 26);
                typed.push_back(changed + "Q");
            }
        }
    }
    return typed;
}

// One keystroke: the exact lookup and the partial list of 10.
void keystroke(const zelora::CallHistory& history, const std::string& text) {
    benchmark::DoNotOptimize(history.find(text));
    benchmark::DoNotOptimize(history.containing(text, 10));
}

// The 20 texts whose keystroke took longest, each timed at its best of five.
std::vector<std::string> slowest_texts(const zelora::CallHistory& history) {
    std::vector<std::pair<double, std::string>> timed;
    for (const std::string& text : typed_texts()) {
        double best = 1e9;
        for (int run = 0; run < 5; ++run) {
            const auto start = std::chrono::steady_clock::now();
            keystroke(history, text);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            best = std::min(best, took.count());
        }
        timed.emplace_back(best, text);
    }
    std::partial_sort(timed.begin(), timed.begin() + 20, timed.end(), std::greater<>());
    std::vector<std::string> slowest;
    for (std::size_t i = 0; i < 20; ++i) slowest.push_back(timed[i].second);
    return slowest;
}

// All the texts in turn (range 0), or the slowest of them (range 1).
void BM_HistoryKeystroke(benchmark::State& state) {
    const History loaded;
    const std::vector<std::string> typed =
        state.range(0) == 0 ? typed_texts() : slowest_texts(loaded.history);
    std::size_t next = 0;
    for (auto _ : state) keystroke(loaded.history, typed[next++ % typed.size()]);
    state.counters["texts"] = static_cast<double>(typed.size());
}
BENCHMARK(BM_HistoryKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// An import of one 50 MB file: an EDI log (range 0) or random bytes named .edi (range 1).
void BM_HistoryImport50MB(benchmark::State& state) {
    const zelora::testing::TempDir dir;
    std::string text =
        state.range(0) == 1 ? "" : "[REG1TEST;1]\r\nPCall=ZZ9AAA\r\n[QSORecords;1]\r\n";
    std::mt19937 random(7);
    for (long n = 0; text.size() < 50'000'000; ++n) {
        if (state.range(0) == 1) {
            text += static_cast<char>(random());
        } else {
            text += "200719;0720;" + station_callsign(n % kStations) +
                    ";1;59;001;59;005;;JN45LL;523;;;;\r\n";
        }
    }
    dir.write("log.edi", text);
    for (auto _ : state) {
        const zelora::HistoryImport import = zelora::read_history_files({dir.file("log.edi")});
        benchmark::DoNotOptimize(import.entries.size());
    }
}
BENCHMARK(BM_HistoryImport50MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
