#include "ui/controls/button_outlines.h"

#include <QRect>
#include <QRegion>

#include <cstdint>

namespace {

// An arc in the square box of side s at (x, y), from angle a sweeping b degrees,
// clockwise with y pointing down; Qt turns the other way.
void ArcTo(QPainterPath& path, double x, double y, double s, double a, double b) {
    path.arcTo(QRectF(x, y, s, s), -a, -b);
}

QRegion CapsuleRegion(QSize size) {
    // A rounded rectangle of corner ellipses H - 6 wide is a union of two circles and a rectangle.
    const int h = size.height() - 6;
    const int w = size.width() - 6;
    if (w <= 0 || h <= 0)
        return {};
    if (w <= h)
        return QRegion(3, 3, w, h, QRegion::Ellipse);
    QRegion region(3, 3, h, h, QRegion::Ellipse);
    region += QRegion(3 + w - h, 3, h, h, QRegion::Ellipse);
    region += QRegion(3 + h / 2, 3, w - h, h);
    return region;
}

} // namespace

ButtonOutlines CapsuleOutlines(QSize size) {
    const int w = size.width();
    const int h = size.height();
    const int c = h / 2;
    const int d = w - c - 1;
    ButtonOutlines outlines;
    for (int k = 0; k < kRingCount; ++k) {
        const double s = h - 1.25 - 2 * k;
        QPainterPath& ring = outlines.rings[static_cast<std::size_t>(k)];
        ring.moveTo(c, k);
        ring.lineTo(d, k);
        ArcTo(ring, w - h + k, k, s, -90, 180);
        ring.lineTo(d, h - k - 1);
        ring.lineTo(c, h - k - 1);
        ArcTo(ring, k, k, s, 90, 180);
        ring.closeSubpath();
    }
    const int r = h / 2 - 3;
    const double s = r - 1.25;
    QPainterPath& highlight = outlines.highlight;
    highlight.moveTo(c, 3);
    highlight.lineTo(d, 3);
    ArcTo(highlight, w - c - r / 2, 3, s, -90, 180);
    highlight.lineTo(d, c - 1);
    highlight.lineTo(c, c - 1);
    ArcTo(highlight, c - r / 2, 3, s, 90, 180);
    highlight.closeSubpath();
    return outlines;
}

ButtonOutlines RoundOutlines(QSize size) {
    const int w = size.width();
    const int h = size.height();
    ButtonOutlines outlines;
    for (int k = 0; k < kRingCount; ++k)
        outlines.rings[static_cast<std::size_t>(k)].addEllipse(QRectF(k, k, w - 1 - 2 * k, h - 1 - 2 * k));
    const int q = (w - 6) / 4;
    const int e = (h - 6) / 2 / 2 * 2; // rounded down to an even number
    outlines.highlight.addEllipse(QRectF(q + 3, 4, w - 2 * q - 7, h - 7 - e));
    return outlines;
}

ButtonOutlines OutlinesOf(ButtonShape shape, QSize size) {
    return shape == ButtonShape::Capsule ? CapsuleOutlines(size) : RoundOutlines(size);
}

bool InCapsuleRegion(QPoint point, QSize size) {
    return CapsuleRegion(size).contains(point);
}

bool InRoundRegion(QPoint point, QSize size) {
    if (size.width() <= 6 || size.height() <= 6)
        return false;
    return QRegion(3, 3, size.width() - 6, size.height() - 6, QRegion::Ellipse).contains(point);
}

bool InButtonRegion(ButtonShape shape, QPoint point, QSize size) {
    return shape == ButtonShape::Capsule ? InCapsuleRegion(point, size) : InRoundRegion(point, size);
}

QPoint ShadowRingEnd(QSize size) {
    const std::int64_t w = size.width();
    const std::int64_t h = size.height();
    const std::int64_t squares = w * w + h * h;
    if (squares == 0)
        return {};
    return QPoint(static_cast<int>(2 * w * h * h / squares), static_cast<int>(2 * w * w * h / squares));
}
