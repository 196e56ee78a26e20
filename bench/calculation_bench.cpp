// "Calculate all" over generated calculation texts of a quarter, a half and one
// mebibyte: the run must stay linear in the size of the text.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/calculation_text.h"
#include "engine/driver/calculate.h"
#include "engine/state/memory_store.h"

namespace {

using namespace NCalculatorText;

void RunCalculateAll(benchmark::State& state, const std::u16string& text) {
    for (auto _ : state) {
        std::u16string working = text;
        int caret = kCalculateAll;
        benchmark::DoNotOptimize(Calculate(working, caret, {}));
        benchmark::DoNotOptimize(working.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    ClearMemory(true);
}

void CalculateAll(benchmark::State& state) {
    RunCalculateAll(state, bench::GenerateCalculation(static_cast<std::size_t>(state.range(0))));
}

// A text typed and never calculated: no statement holds an "=" yet.
void CalculateAllWithoutResults(benchmark::State& state) {
    std::u16string text;
    while (text.size() * 2 < static_cast<std::size_t>(state.range(0)))
        text += u"2.5*(3+4); 7*3->mem[a];\r\n";
    RunCalculateAll(state, text);
}

BENCHMARK(CalculateAll)->Arg(256 << 10)->Arg(512 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(CalculateAllWithoutResults)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
