#pragma once
// What a grabbed picture must show before it is kept for a person to look at: the
// widget's size, and something drawn where each part should be.

#include <QImage>
#include <QRect>
#include <QSet>
#include <QSize>

namespace picture_checks {

// The colours in a part of the picture given in the widget's own pixels, counted up to
// `enough`.
inline int ColoursIn(const QImage& picture, const QRect& part, int enough = 8) {
    const qreal ratio = picture.devicePixelRatio();
    const QRect area =
        QRect((QPointF(part.topLeft()) * ratio).toPoint(), (QSizeF(part.size()) * ratio).toSize()) &
        picture.rect();
    QSet<QRgb> seen;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            seen.insert(picture.pixel(x, y));
            if (seen.size() >= enough)
                return enough;
        }
    }
    return static_cast<int>(seen.size());
}

// A part with one colour is blank: nothing was drawn there, or a backdrop shows.
inline bool ShowsSomething(const QImage& picture, const QRect& part) {
    return ColoursIn(picture, part) > 1;
}

// The picture's size in pixels for a widget of `size`.
inline QSize PixelSize(QSize size, qreal ratio) {
    return (QSizeF(size) * ratio).toSize();
}

} // namespace picture_checks
