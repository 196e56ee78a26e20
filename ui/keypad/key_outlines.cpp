#include "ui/keypad/key_outlines.h"

#include <algorithm>

namespace {

// An arc of the circle inscribed in the square of side s at (x, y), from angle a sweeping
// b degrees, both clockwise from the positive x axis with y pointing down.
void ArcInBox(QPainterPath& path, double x, double y, double s, double a, double b) {
    path.arcTo(QRectF(x, y, s, s), -a, -b);
}

// A capsule between two horizontal lines, closed by half circles at both ends.
QPainterPath Capsule(int width, int height, int k) {
    const int c = height / 2, d = width - c - 1;
    const double s = height - 1.25 - 2 * k;
    QPainterPath path;
    path.moveTo(c, k);
    path.lineTo(d, k);
    ArcInBox(path, width - height + k, k, s, -90, 180);
    path.lineTo(d, height - k - 1);
    path.lineTo(c, height - k - 1);
    ArcInBox(path, k, k, s, 90, 180);
    path.closeSubpath();
    return path;
}

} // namespace

VantorOutlines MakeVantorOutlines(QSize size) {
    const int w = size.width(), h = size.height();
    const int c = h / 2, d = w - c - 1;
    VantorOutlines outlines;
    for (int k = 0; k < static_cast<int>(outlines.capsules.size()); ++k)
        outlines.capsules[static_cast<size_t>(k)] = Capsule(w, h, k);

    const int r = h / 2 - 3;
    const double s = r - 1.25;
    QPainterPath& highlight = outlines.highlight;
    highlight.moveTo(c, 3);
    highlight.lineTo(d, 3);
    ArcInBox(highlight, w - c - r / 2, 3, s, -90, 180);
    highlight.lineTo(d, c - 1);
    highlight.lineTo(c, c - 1);
    ArcInBox(highlight, c - r / 2, 3, s, 90, 180);
    highlight.closeSubpath();

    const double t = h - 7.25;
    const double m = h / 2 - 0.5;
    outlines.middle = m;
    QPainterPath& upper = outlines.upperHalf;
    upper.moveTo(c, 3);
    upper.lineTo(d, 3);
    ArcInBox(upper, w - h + 3, 3, t, -90, 90);
    upper.lineTo(w - 4, m);
    upper.lineTo(3, m);
    ArcInBox(upper, 3, 3, t, 180, 90);
    upper.closeSubpath();

    QPainterPath& lower = outlines.lowerHalf;
    lower.moveTo(3, m);
    lower.lineTo(w - 4, m);
    ArcInBox(lower, w - h + 3, 3, t, 0, 90);
    lower.lineTo(d, h - 4);
    lower.lineTo(c, h - 4);
    ArcInBox(lower, 3, 3, t, 90, 90);
    lower.closeSubpath();
    return outlines;
}

bool InCapsule(QSize size, QPoint point) {
    const int left = 3, top = 3, right = size.width() - 3, bottom = size.height() - 3;
    if (point.x() < left || point.x() >= right || point.y() < top || point.y() >= bottom)
        return false;
    // Half circles of diameter (bottom - top) close both ends; pixels count by their centres.
    const double radius = (bottom - top) / 2.0;
    const double x = point.x() + 0.5, y = point.y() + 0.5;
    const double nearestX = std::clamp(x, left + radius, right - radius);
    const double dx = x - nearestX, dy = y - (top + radius);
    return dx * dx + dy * dy <= radius * radius;
}

QPainterPath OuterOutline(QSize size) {
    const int w = size.width(), h = size.height();
    QPainterPath path;
    path.moveTo(2, 0);
    path.lineTo(w - 3, 0);
    ArcInBox(path, w - 4, 0, 3, -90, 90);
    path.lineTo(w - 1, h - 3);
    ArcInBox(path, w - 4, h - 4, 3, 0, 90);
    path.lineTo(2, h - 1);
    ArcInBox(path, 0, h - 4, 3, 90, 90);
    path.lineTo(0, 2);
    ArcInBox(path, 0, 0, 3, 180, 90);
    path.closeSubpath();
    return path;
}

QPainterPath InnerOutline(QSize size) {
    const int w = size.width(), h = size.height();
    QPainterPath path;
    path.moveTo(4, 1);
    path.lineTo(w - 5, 1);
    ArcInBox(path, w - 7, 1, 5, -90, 90);
    path.lineTo(w - 2, h - 5);
    ArcInBox(path, w - 7, h - 7, 5, 0, 90);
    path.lineTo(4, h - 2);
    ArcInBox(path, 1, h - 7, 5, 90, 90);
    path.lineTo(1, 4);
    ArcInBox(path, 1, 1, 5, 180, 90);
    path.closeSubpath();
    return path;
}

VistaHalves MakeVistaHalves(QSize size) {
    const double w = size.width(), h = size.height();
    VistaHalves halves;
    const int middle = (size.height() - 1) / 2;
    halves.middle = middle;
    QPainterPath& upper = halves.upper;
    upper.moveTo(3.5, 3.5);
    upper.lineTo(w - 4.5, 3.5);
    ArcInBox(upper, w - 4.5, 3.5, 1, -90, 90);
    upper.lineTo(w - 3.5, 3.5);
    upper.lineTo(w - 3.5, middle);
    upper.lineTo(2.5, middle);
    upper.lineTo(2.5, 3.5);
    ArcInBox(upper, 2.5, 2.5, 1, 180, 90);
    upper.closeSubpath();

    QPainterPath& lower = halves.lower;
    lower.moveTo(2, middle);
    lower.lineTo(w - 3, middle);
    lower.lineTo(w - 3.5, middle);
    lower.lineTo(w - 3.5, h - 4.5);
    ArcInBox(lower, w - 4.5, h - 4.5, 1, 0, 90);
    lower.lineTo(3.5, h - 3.5);
    ArcInBox(lower, 2.5, h - 4.5, 1, 90, 90);
    lower.lineTo(2.5, h - 4.5);
    lower.lineTo(2.5, middle);
    lower.closeSubpath();
    return halves;
}
