// The "Vista" drawing: a glassy face whose upper half lets the background through,
// darkened when hot or pressed.
#include <QLinearGradient>
#include <QPainter>

#include "ui/keypad/button_colors.h"
#include "ui/keypad/key_outlines.h"
#include "ui/keypad/paint_themed.h"

namespace {

struct VistaShade {
    QColor color;
    int upperFrom; // alpha at the top of the upper half
    int upperTo;   // alpha at its bottom
};

VistaShade ShadeFor(ThemeState state, const QColor& face) {
    const double lightness = LightnessOf(face);
    switch (state) {
    case ThemeState::Hot:
        return {WithLightness(face, lightness * 0.8), 0x20, 0x40};
    case ThemeState::Pressed:
        return {WithLightness(face, lightness * 0.6), 0x30, 0x50};
    case ThemeState::Normal:
    case ThemeState::Defaulted:
    case ThemeState::Disabled:
        break;
    }
    return {face, 0x00, 0x20};
}

QBrush Vertical(double fromY, const QColor& from, double toY, const QColor& to) {
    QLinearGradient gradient(3, fromY, 3, toY);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return QBrush(gradient);
}

void VistaFace(QPainter& painter, QSize size, ThemeState state, const ButtonLook& look,
               const ThemeColors& colors) {
    const int w = size.width(), h = size.height();
    const VistaHalves halves = MakeVistaHalves(size);
    const VistaShade shade = ShadeFor(state, look.face);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Vertical(3, WithAlpha(shade.color, shade.upperFrom), halves.middle,
                              WithAlpha(shade.color, shade.upperTo)));
    painter.drawPath(halves.upper);
    painter.setBrush(
        Vertical(halves.middle, WithAlpha(shade.color, 0x80), h - 4, WithAlpha(shade.color, 0xFF)));
    painter.drawPath(halves.lower);

    painter.setBrush(Qt::NoBrush);
    if (state == ThemeState::Defaulted) {
        painter.setPen(QPen(WithAlpha(colors.accent, 0xFF), 1));
        painter.drawRect(QRectF(2, 2, w - 5, h - 5));
    }
    painter.setPen(QPen(WithAlpha(colors.border, 0xFF), 1));
    painter.drawPath(InnerOutline(size));
}

} // namespace

void PaintVista(QPainter& painter, QSize size, const ButtonLook& look, const ButtonTheme& theme) {
    PaintThemed(painter, size, look, theme, VistaFace);
}
