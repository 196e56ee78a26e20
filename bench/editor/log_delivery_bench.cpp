// A full run's worth of log messages (the cap of 10,000 and the count row) handed from the
// calculation's thread to the log pane in one delivery, through to the repaint.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>

#include <string>

#include "app/document/log_relay.h"
#include "app/panes/calc_log.h"

namespace {

void DeliverTenThousandMessages(benchmark::State& state) {
    CCalcLog log;
    log.resize(600, 300);
    log.show();
    const std::u16string text = u"Operation resulted in partial loss of precision, result accepted as 0.5";
    LogRelay relay;
    std::vector<int> statementStarts;
    for (auto _ : state) {
        state.PauseTiming();
        relay.Begin(true);
        relay.ClearMessages();
        for (int i = 0; i < 10001; ++i)
            relay.AddMessage({0, u"Sine", text, i / 100});
        statementStarts.clear();
        state.ResumeTiming();
        relay.DeliverTo(&log, statementStarts);
        QApplication::processEvents();
        log.List()->viewport()->repaint();
    }
}
BENCHMARK(DeliverTenThousandMessages)->Unit(benchmark::kMillisecond);

} // namespace
