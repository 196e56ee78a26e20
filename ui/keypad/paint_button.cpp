#include "ui/keypad/button_paint.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

bool PaintsFullyThemed(const ButtonLook& look) {
    return look.disabled || (look.useSystemFace && look.useSystemText);
}

void PaintButton(QPainter& target, QSize size, qreal pixelRatio, ButtonDrawing drawing,
                 const ButtonLook& look, const ButtonTheme& theme) {
    const bool themed = drawing == ButtonDrawing::XP || drawing == ButtonDrawing::Vista;
    if (themed && PaintsFullyThemed(look)) {
        (drawing == ButtonDrawing::XP ? PaintXP : PaintVista)(target, size, look, theme);
        return;
    }
    QImage picture(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setFont(look.font);
        switch (drawing) {
        case ButtonDrawing::Classic:
            PaintClassic(painter, size, look);
            break;
        case ButtonDrawing::Vantor:
            PaintVantor(painter, size, look);
            break;
        case ButtonDrawing::XP:
            PaintXP(painter, size, look, theme);
            break;
        case ButtonDrawing::Vista:
            PaintVista(painter, size, look, theme);
            break;
        }
    }
    target.drawImage(QPoint(0, 0), picture);
}

void DrawFocusRectangle(QPainter& painter, const QRect& rect, const ButtonLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(look.textColor, 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

QBrush DiagonalShadow(QSize size, QRgb from, QRgb to) {
    const long long w = size.width(), h = size.height();
    const long long squares = std::max(1LL, w * w + h * h);
    QLinearGradient gradient(0, 0, static_cast<qreal>(2 * w * h * h / squares),
                             static_cast<qreal>(2 * w * w * h / squares));
    gradient.setColorAt(0, QColor::fromRgba(from));
    gradient.setColorAt(1, QColor::fromRgba(to));
    return QBrush(gradient);
}
