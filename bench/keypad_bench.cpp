// One key painted in each drawing, as at every repaint of the keypad, and the layout of
// all 77 keys, as at every change of font or notation.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "ui/keypad/button_paint.h"
#include "ui/keypad/keypad_layout.h"

namespace {

const QSize kKey(90, 27);

void BM_PaintKey(benchmark::State& state) {
    const auto drawing = static_cast<ButtonDrawing>(state.range(0));
    ButtonLook look;
    look.text = QStringLiteral("arccos");
    look.font = QFont(QStringLiteral("Arial"));
    look.font.setPixelSize(15);
    look.font.setBold(true);
    look.face = QColor(255, 200, 160);
    look.textColor = QColor(128, 0, 0);
    look.useSystemFace = look.useSystemText = false;
    look.palette = QApplication::palette();
    const ButtonTheme theme{QApplication::style(), nullptr};
    QImage target(kKey, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        PaintButton(painter, kKey, 1.0, drawing, look, theme);
    }
}
BENCHMARK(BM_PaintKey)->ArgName("drawing")->DenseRange(0, 3);

void BM_LayOutKeys(benchmark::State& state) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const KeypadSpacing spacing = SpacingFromBaseUnits(BaseUnitsOf(QFontMetrics(QApplication::font())));
    for (auto _ : state)
        benchmark::DoNotOptimize(LayOutKeys(MeasureKeys(metrics, 1), spacing));
}
BENCHMARK(BM_LayOutKeys);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
