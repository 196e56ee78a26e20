#include "ui/dialogs/dialog_frame.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ui/controls/picture_painting.h"

namespace {

QColor Argb(QRgb value) {
    return QColor::fromRgba(value);
}

// The outline of the frame inset by the given pixels, along pixel centres.
QPainterPath Outline(QSize size, int inset, int radius) {
    QPainterPath path;
    const double r = std::max(radius - inset, 0);
    path.addRoundedRect(
        QRectF(inset + 0.5, inset + 0.5, size.width() - 1 - 2 * inset, size.height() - 1 - 2 * inset), r, r);
    return path;
}

void PaintCaption(QPainter& painter, const FrameContent& content, const FrameLook& look,
                  const QPainterPath& shape) {
    const int w = content.size.width();
    const int band = content.caption.height + 3;
    const QRgb top = look.active ? 0xFFE4E4E4 : 0xFFF0F0F0;
    QLinearGradient fill(QPointF(0, 0), QPointF(0, band));
    fill.setColorAt(0, Argb(top));
    fill.setColorAt(1, Argb(top - 0x00181818));
    painter.save();
    painter.setClipRect(QRect(0, 0, w, band));
    painter.fillPath(shape, fill);
    painter.restore();
    painter.fillRect(QRect(1, content.caption.height + 2, w - 2, 1),
                     Argb(look.active ? 0xFFC8C8C8 : 0xFFD4D4D4));

    if (content.icon != nullptr)
        painter.drawImage(content.caption.icon.topLeft(), *content.icon);
    if (content.titleFont) {
        const QRect titleRect(1, 2, w - 4, content.caption.height);
        DrawHaloText(painter, titleRect,
                     {.text = content.title,
                      .font = *content.titleFont,
                      .halo = look.active ? 0xFEE0E0E0 : 0xFEF0F0F0,
                      .ink = look.active ? 0xFE404040 : 0xFE787878,
                      .flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip,
                      .spread = HaloSpread::Diagonals});
    }
    PaintCloseButton(painter, CloseButtonRect(content.caption, w), look.active, look.close);
}

} // namespace

void PaintCloseButton(QPainter& painter, const QRect& square, bool active, CloseButtonState state) {
    const QRectF ball(square);
    const double d = ball.width();
    QLinearGradient fill(ball.topLeft(), ball.bottomLeft());
    fill.setColorAt(0, Argb(active ? 0xFFF00000 : 0xFFB85050));
    fill.setColorAt(active ? 0.32 : 0.41, Argb(active ? 0xFFFF0000 : 0xFFC85050));
    fill.setColorAt(1, Argb(0xFFF0D8E0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(ball);

    const QRgb rim = active ? 0xFF800000 : 0xFF804040;
    QLinearGradient outer(ball.topLeft(), ball.bottomLeft());
    outer.setColorAt(0, Argb(rim));
    outer.setColorAt(1, Argb(active ? 0xFFC08080 : 0xFFC0C0C0));
    QLinearGradient inner(ball.topLeft(), ball.bottomLeft());
    inner.setColorAt(0, Argb(rim));
    inner.setColorAt(1, Argb(0xFFF0F0F0));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(outer), 1));
    painter.drawEllipse(ball.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(QBrush(inner), 1));
    painter.drawEllipse(ball.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(Qt::NoPen);

    const QPointF centre = ball.center();
    if (state != CloseButtonState::Pressed) {
        painter.setBrush(Argb(0x60FFFFFF));
        painter.drawEllipse(QRectF(ball.x() + d * 0.2, ball.y() + d * 0.1, d * 0.6, d * 0.42));
        painter.setBrush(Argb(0xA0FFFFFF));
        painter.drawEllipse(QRectF(ball.x() + d * 0.32, ball.y() + d * 0.14, d * 0.36, d * 0.2));
    }
    if (state == CloseButtonState::Hot || state == CloseButtonState::Pressed) {
        const bool hot = state == CloseButtonState::Hot;
        QRadialGradient glow(centre, d / 2);
        glow.setColorAt(0, Argb(hot ? 0xA0FFFFFF : 0x80800000));
        glow.setColorAt(1, Argb(hot ? 0x28FFFFFF : 0x28800000));
        painter.setBrush(glow);
        painter.drawEllipse(ball.adjusted(1, 1, -1, -1));
        if (!hot) {
            painter.setBrush(Argb(0x50FFFFFF));
            painter.drawEllipse(QRectF(ball.x() + d * 0.35, ball.y() + d * 0.62, d * 0.3, d * 0.16));
        }
    }
    painter.setBrush(Qt::NoBrush);
}

void PaintFrame(QPainter& painter, const FrameContent& content, const FrameLook& look) {
    const QSize size = content.size;
    const int radius = content.caption.cornerRadius;
    painter.save();
    if (look.opaqueCorners)
        painter.fillRect(QRect(QPoint(0, 0), size), Argb(0xFFB8B8B8));
    const QPainterPath shape = Outline(size, 0, radius);
    painter.fillPath(shape, Argb(content.background));
    PaintCaption(painter, content, look, shape);

    QLinearGradient outer(QPointF(0, 0), QPointF(0, size.height()));
    outer.setColorAt(0, Argb(0xFFCCCCCC));
    outer.setColorAt(1, Argb(0xFFB0B0B0));
    QLinearGradient inner(QPointF(0, 0), QPointF(0, size.height()));
    inner.setColorAt(0, Argb(0x40FFFFFF));
    inner.setColorAt(1, Argb(0x80FFFFFF));
    painter.strokePath(shape, QPen(QBrush(outer), 1));
    painter.strokePath(Outline(size, 1, radius), QPen(QBrush(inner), 1));
    painter.restore();
}
