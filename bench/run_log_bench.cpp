// A run that raises a warning at every series term, below and far past the log's cap of
// 10,000 messages: past the cap a message costs a count, not a composed text.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "engine/driver/calculate.h"

namespace {

using namespace NCalculatorText;

class CountingReceiver final : public ILogReceiver {
  public:
    void AddMessage(const LogMessage& message) override { characters += message.text.size(); }
    void ClearMessages() override {}
    std::uint64_t characters = 0;
};

void WarningPerTerm(benchmark::State& state) {
    const std::string terms = std::to_string(state.range(0));
    const std::u16string text = u"Sum(k, 1, " + std::u16string(terms.begin(), terms.end()) + u", mem[never])";
    CountingReceiver receiver;
    engineState.logReceiver = &receiver;
    for (auto _ : state) {
        std::u16string working = text;
        int caret = kCalculateAll;
        benchmark::DoNotOptimize(Calculate(working, caret, {}));
    }
    engineState.logReceiver = nullptr;
    benchmark::DoNotOptimize(receiver.characters);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

BENCHMARK(WarningPerTerm)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
