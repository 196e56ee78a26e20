// Painting the styled message box: its whole picture at 96 dpi, and one step of the
// opening animation (the picture scaled about the frame's centre).

#include <QPainter>

#include <benchmark/benchmark.h>

#include "ui/dialogs/va_message_dialog.h"

namespace {

constexpr MessageType kQuestion{MessageButtons::YesNoCancel, MessageIcon::Question};
const QString kText = QStringLiteral("Only one cell is selected.\nCalculate for all cells?");

// Laid out, with the kind's picture and the buttons' pictures rendered, then painted whole.
void Dialogs_OpenAndFirstPicture(benchmark::State& state) {
    for (auto _ : state) {
        VaMessageDialog box(kText, kQuestion, nullptr);
        benchmark::DoNotOptimize(box.Picture());
    }
}
BENCHMARK(Dialogs_OpenAndFirstPicture)->Unit(benchmark::kMillisecond);

// The whole picture again, once the frame and the buttons' pictures are kept.
void Dialogs_RepaintPicture(benchmark::State& state) {
    VaMessageDialog box(kText, kQuestion, nullptr);
    box.Picture();
    for (auto _ : state)
        benchmark::DoNotOptimize(box.Picture());
}
BENCHMARK(Dialogs_RepaintPicture)->Unit(benchmark::kMillisecond);

// One animation step at the given scale in percent, into a window-sized picture.
void Dialogs_AnimationStep(benchmark::State& state) {
    VaMessageDialog box(kText, kQuestion, nullptr);
    box.Picture();
    QImage window(box.size(), QImage::Format_ARGB32_Premultiplied);
    const double scale = state.range(0) / 100.0;
    for (auto _ : state) {
        QPainter painter(&window);
        box.PaintScaled(painter, scale);
    }
}
BENCHMARK(Dialogs_AnimationStep)->Arg(30)->Arg(70)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
