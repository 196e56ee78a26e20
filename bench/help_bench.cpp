// Opening the help window, on Qt's offscreen platform: from reading the embedded help
// to a painted page, as the first F1 of a run does, and the steps after it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>

#include "app/help/calc_help_window.h"
#include "app/help/help_content.h"
#include "app/help/help_search.h"

namespace {

QByteArray Resource(const char* name) {
    QFile file(QStringLiteral(":/help/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

HelpFiles EmbeddedFiles() {
    return {Resource("pages.txt"),     Resource("contents.tsv"), Resource("index.tsv"),
            Resource("whatsthis.tsv"), Resource("contexts.tsv"), Resource("search.tsv")};
}

// The first F1 of a run: the help read and parsed, the window made, shown and painted.
void BM_FirstOpenOfTheHelpWindow(benchmark::State& state) {
    for (auto _ : state) {
        const HelpContent content = HelpContent::Parse(EmbeddedFiles());
        CCalcHelpWindow window(content);
        window.Show(QStringLiteral("fn-tan"), 0);
        window.repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.CurrentTarget());
    }
}
BENCHMARK(BM_FirstOpenOfTheHelpWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ParseTheEmbeddedHelp(benchmark::State& state) {
    const HelpFiles files = EmbeddedFiles();
    for (auto _ : state)
        benchmark::DoNotOptimize(HelpContent::Parse(files));
}
BENCHMARK(BM_ParseTheEmbeddedHelp)->Unit(benchmark::kMillisecond);

// F1 again: the window exists and shows another page.
void BM_ShowAnotherPage(benchmark::State& state) {
    CCalcHelpWindow window(HelpContent::Embedded());
    window.Show(QStringLiteral("language"), 0);
    bool tangent = false;
    for (auto _ : state) {
        window.Show(tangent ? QStringLiteral("fn-tan") : QStringLiteral("messages"), 0);
        window.repaint();
        tangent = !tangent;
    }
}
BENCHMARK(BM_ShowAnotherPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SearchForBessel(benchmark::State& state) {
    const QList<HelpSearchText>& texts = HelpContent::Embedded().SearchTexts();
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchHelp(texts, QStringLiteral("Bessel")));
}
BENCHMARK(BM_SearchForBessel)->Unit(benchmark::kMicrosecond);

} // namespace
