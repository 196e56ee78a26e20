// The keypad's painting: one key in each drawing; the whole keypad laid out and painted
// as after a change of notation; one key repainted as the pointer enters or leaves it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

#include "ui/keypad/button_paint.h"
#include "ui/keypad/calc_key_pad.h"
#include "ui/keypad/color_button.h"
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

// A keypad of the default look in its own window, with settings in a folder of their own.
struct ShownKeypad {
    explicit ShownKeypad(KeypadStyle style) {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory.path());
        keypad = std::make_unique<CCalcKeyPad>([this] { return preferences; });
        keypad->SetStyle(style, false);
        keypad->RefreshCaptions();
        keypad->show();
        QApplication::processEvents();
    }
    QTemporaryDir directory;
    KeypadPreferences preferences;
    std::unique_ptr<CCalcKeyPad> keypad;
};

// Lays out all 77 keys for the other notation and paints the whole keypad at once.
void BM_LayOutAndPaintKeypad(benchmark::State& state) {
    ShownKeypad shown(static_cast<KeypadStyle>(state.range(0)));
    for (auto _ : state) {
        shown.preferences.notation = 1 - shown.preferences.notation;
        shown.keypad->RefreshCaptions();
        shown.keypad->repaint();
    }
}
BENCHMARK(BM_LayOutAndPaintKeypad)->ArgName("style")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The pointer enters the middle of a key or leaves it, and the key is repainted.
void BM_HoverRepaintKey(benchmark::State& state) {
    ShownKeypad shown(static_cast<KeypadStyle>(state.range(0)));
    CColorButton* key = shown.keypad->Button(1021);
    const QPointF middle = key->rect().center();
    bool inside = false;
    for (auto _ : state) {
        inside = !inside;
        if (inside) {
            QEnterEvent enter(middle, key->mapToGlobal(middle), key->mapToGlobal(middle));
            QApplication::sendEvent(key, &enter);
        } else {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(key, &leave);
        }
        key->repaint();
    }
}
BENCHMARK(BM_HoverRepaintKey)->ArgName("style")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

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
