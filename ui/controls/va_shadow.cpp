#include "ui/controls/va_shadow.h"

#include <QImage>
#include <QPainter>

std::array<ShadowPiece, 9> ShadowPieces(QSize area, QSize margins, int s) {
    const int w = area.width();
    const int h = area.height();
    const int mx = margins.width();
    const int my = margins.height();
    const int t = (s - 4) / 2;
    return {{
        {{0, 0, mx, my}, {0, 0, t, t}},                   // top left
        {{w - mx, 0, mx, my}, {s - t, 0, t, t}},          // top right
        {{w - mx, h - my, mx, my}, {s - t, s - t, t, t}}, // bottom right
        {{0, h - my, mx, my}, {0, s - t, t, t}},          // bottom left
        {{mx, 0, w - 2 * mx, my}, {t, 0, 4, t}},          // top edge
        {{mx, h - my, w - 2 * mx, my}, {t, s - t, 4, t}}, // bottom edge
        {{0, my, mx, h - 2 * my}, {0, t, t, 4}},          // left edge
        {{w - mx, my, mx, h - 2 * my}, {s - t, t, t, 4}}, // right edge
        {{mx, my, w - 2 * mx, h - 2 * my}, {t, t, 4, 4}}, // centre
    }};
}

bool DrawShadow(QPainter& painter, const QRect& area, QSize margins, const QImage& picture) {
    if (picture.isNull())
        return false;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ShadowPiece& piece : ShadowPieces(area.size(), margins, picture.width())) {
        if (!piece.target.isEmpty())
            painter.drawImage(piece.target.translated(area.topLeft()), picture, piece.source);
    }
    painter.restore();
    return true;
}
