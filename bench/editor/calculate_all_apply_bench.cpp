// Calculate all over a mebibyte in the editor, the results put back in the two ways: by
// replacing the whole text (which empties the undo history) and by editing the changed
// lines as one undoable step. Each iteration starts from the same text and runs the
// driver, puts the results back, places the caret and repaints.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/editor/calc_view.h"
#include "bench/calculation_text.h"
#include "engine/driver/calculate.h"
#include "engine/state/memory_store.h"

namespace {

enum class PutBack { WholeText, Edits };

void CalculateAllInTheEditor(benchmark::State& state, PutBack putBack) {
    const std::u16string text = bench::GenerateCalculation(1 << 20);
    CCalcView view;
    view.resize(900, 600);
    view.show();
    for (auto _ : state) {
        state.PauseTiming();
        view.SetDocumentText(text);
        view.SetSelection(0, 0);
        QApplication::processEvents();
        state.ResumeTiming();

        std::u16string calculated = view.DocumentText();
        int caret = NCalculatorText::kCalculateAll;
        NCalculatorText::Calculate(calculated, caret, {});
        if (putBack == PutBack::WholeText)
            view.SetDocumentText(calculated);
        else
            view.ReplaceTextByEdits(calculated);
        view.SetSelection(caret, caret);
        view.ScrollCaretIntoView();
        view.viewport()->repaint();
    }
    NCalculatorText::ClearMemory(true);
}

BENCHMARK_CAPTURE(CalculateAllInTheEditor, WholeText, PutBack::WholeText)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CalculateAllInTheEditor, Edits, PutBack::Edits)->Unit(benchmark::kMillisecond);

} // namespace
