// The "Vantor" drawing: a glossy capsule with rings for focus, pressing and hovering.
#include <QLinearGradient>
#include <QPainter>

#include <initializer_list>

#include "ui/keypad/button_colors.h"
#include "ui/keypad/button_paint.h"
#include "ui/keypad/key_outlines.h"

namespace {

const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);

// Capsules from the first given index on, each with a 1-pixel pen of the colour at the
// next alpha.
void Rings(QPainter& painter, const VantorOutlines& outlines, int first, const QColor& color,
           std::initializer_list<int> alphas) {
    painter.setBrush(Qt::NoBrush);
    int k = first;
    for (int alpha : alphas) {
        painter.setPen(QPen(WithAlpha(color, alpha), 1));
        painter.drawPath(outlines.capsules[static_cast<size_t>(k++)]);
    }
}

QBrush Vertical(double fromY, const QColor& from, double toY, const QColor& to) {
    QLinearGradient gradient(0, fromY, 0, toY);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return QBrush(gradient);
}

} // namespace

void PaintVantor(QPainter& painter, QSize size, const ButtonLook& look) {
    const int w = size.width(), h = size.height();
    const QColor systemFace = look.palette.color(QPalette::Button);
    painter.fillRect(QRect(QPoint(0, 0), size), systemFace);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.translate(0.5, 0.5);
    const VantorOutlines outlines = MakeVantorOutlines(size);

    const bool light = IsLightBackground(systemFace);
    if (light) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(DiagonalShadow(size, 0x28000000, 0xFFFFFFFF), 1));
        painter.drawPath(outlines.capsules[1]);
        painter.drawPath(outlines.capsules[2]);
    }
    if (look.focus || look.defaultMark)
        Rings(painter, outlines, 0, kGreen, {0x40, 0x80, 0xFF});
    else if (!light)
        Rings(painter, outlines, 0, kGreen, {0x28, 0x50, 0xA0});

    const QColor face = look.face;
    const double lightness = LightnessOf(face);
    const QColor lightColor = WithLightness(face, lightness * 1.8);
    const QColor dark = WithLightness(face, lightness * 0.4);
    const QColor lighter = WithLightness(face, lightness * 2);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Vertical(3, dark, outlines.middle, face));
    painter.drawPath(outlines.upperHalf);
    painter.setBrush(Vertical(outlines.middle, face, h - 3, lightColor));
    painter.drawPath(outlines.lowerHalf);

    const bool pressed = look.pressedLook || look.selected;
    const int shift = pressed ? 1 : 0;
    painter.setBrush(Vertical(3 + shift, lighter, h / 2 + 1 + shift, WithAlpha(face, 0x40)));
    painter.drawPath(outlines.highlight.translated(0, shift));

    if (pressed)
        Rings(painter, outlines, 4, kYellow, {0xFF, 0xC0, 0x80, 0x60, 0x40, 0x20});
    else if (look.hover && look.insideFace)
        Rings(painter, outlines, 4, kYellow, {0xFF, 0xA0, 0x40});

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(face, 1));
    painter.drawPath(outlines.capsules[3]);
    painter.restore();

    painter.setPen(look.textColor);
    painter.drawText(QRect(0, 0, w, h), kTextFlags, look.text);
}
