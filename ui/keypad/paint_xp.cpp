// The "XP" drawing: a rounded face shaded from light to dark, with a highlight on the
// left, a shade on the right and the theme's accent ring when hot or default.
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>

#include "ui/keypad/button_colors.h"
#include "ui/keypad/key_outlines.h"
#include "ui/keypad/paint_themed.h"

namespace {

QColor Mix(const QColor& from, const QColor& to, double factor) {
    const auto mix = [factor](int a, int b) { return static_cast<int>(a + (b - a) * factor + 0.5); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()),
                  mix(from.alpha(), to.alpha()));
}

// A gradient from one colour to another whose blend follows the factors at the positions.
QBrush Blended(QPointF start, QPointF end, const QColor& from, const QColor& to,
               const std::array<double, 4>& at, const std::array<double, 4>& factors) {
    QLinearGradient gradient(start, end);
    for (size_t i = 0; i < at.size(); ++i)
        gradient.setColorAt(std::clamp(at[i], 0.0, 1.0), Mix(from, to, factors[i]));
    return QBrush(gradient);
}

void XPFace(QPainter& painter, QSize size, ThemeState state, const ButtonLook& look,
            const ThemeColors& colors) {
    const int w = size.width(), h = size.height();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(DiagonalShadow(size, 0x18000000, 0xC0FFFFFF), 1));
    painter.drawPath(OuterOutline(size));

    const double capped = std::min(LightnessOf(look.face) * 1.15, 1.0);
    QColor top = WithLightness(look.face, capped);
    QColor bottom = WithLightness(look.face, 0.8 * capped);
    const bool pressed = state == ThemeState::Pressed;
    if (pressed)
        std::swap(top, bottom);

    const QPainterPath inner = InnerOutline(size);
    const double down = 4.0 / std::max(1, h - 4);
    const double left = 2.0 / std::max(1, w - 4), right = 3.0 / std::max(1, w - 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Blended({2, 2}, {2, double(h - 2)}, top, bottom, {0, down, 1 - down, 1},
                             {0, pressed ? 0.3 : 0.15, 0.4, 1}));
    painter.drawPath(inner);
    painter.setBrush(Blended({2, 2}, {double(w - 2), 2}, WithAlpha(top, 0x40), WithAlpha(top, 0),
                             {0, left, 1 - right, 1}, {0, 1, 1, 1}));
    painter.drawPath(inner);
    painter.setBrush(Blended({2, 2}, {double(w - 2), 2}, WithAlpha(bottom, 0), WithAlpha(bottom, 0xFF),
                             {0, left, 1 - right, 1}, {0, 0, 0, 1}));
    painter.drawPath(inner);

    if (state == ThemeState::Hot || state == ThemeState::Defaulted) {
        QLinearGradient ring(0, 2, 0, h - 3);
        ring.setColorAt(0, WithAlpha(colors.accent, 0xA0));
        ring.setColorAt(1, WithAlpha(colors.accent, 0xF0));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QBrush(ring), 1));
        painter.drawRect(QRectF(2, 2, w - 5, h - 5));
        painter.drawRect(QRectF(3, 3, w - 7, h - 7));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(colors.border, 0xFF), 1));
    painter.drawPath(inner);
}

} // namespace

void PaintXP(QPainter& painter, QSize size, const ButtonLook& look, const ButtonTheme& theme) {
    PaintThemed(painter, size, look, theme, XPFace);
}
