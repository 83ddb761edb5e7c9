#include <benchmark/benchmark.h>

#include "core/text.h"

namespace {

void BM_TextValue(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zelora::text_value(" 523"));
}
BENCHMARK(BM_TextValue);

}  // namespace
