#include "ui/controls/picture_painting.h"

#include <QPainter>

void SetPictureHints(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

std::array<QPoint, 4> HaloOffsets(HaloSpread spread) {
    if (spread == HaloSpread::Diagonals)
        return {QPoint(-1, -1), QPoint(1, -1), QPoint(1, 1), QPoint(-1, 1)};
    return {QPoint(-1, 0), QPoint(0, 1), QPoint(1, 0), QPoint(0, -1)};
}

void DrawHaloText(QPainter& painter, const QRect& rect, const HaloText& text) {
    painter.save();
    painter.setFont(text.font);
    painter.setPen(QColor::fromRgba(text.halo));
    for (const QPoint& offset : HaloOffsets(text.spread))
        painter.drawText(rect.translated(offset), text.flags, text.text);
    painter.setPen(QColor::fromRgba(text.ink));
    painter.drawText(rect.translated(text.inkShift), text.flags, text.text);
    painter.restore();
}
