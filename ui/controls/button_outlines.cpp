#include "ui/controls/button_outlines.h"

#include <QRect>
#include <QRegion>

#include <algorithm>

#include "ui/keypad/key_outlines.h"

ButtonOutlines CapsuleOutlines(QSize size) {
    // The keypad's Vantor capsules: the dialog buttons share the keys' look.
    VantorOutlines key = MakeVantorOutlines(size);
    ButtonOutlines outlines;
    std::copy(key.capsules.begin(), key.capsules.end(), outlines.rings.begin());
    outlines.highlight = key.highlight;
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

bool InRoundRegion(QPoint point, QSize size) {
    if (size.width() <= 6 || size.height() <= 6)
        return false;
    return QRegion(3, 3, size.width() - 6, size.height() - 6, QRegion::Ellipse).contains(point);
}

bool InButtonRegion(ButtonShape shape, QPoint point, QSize size) {
    return shape == ButtonShape::Capsule ? InCapsule(size, point) : InRoundRegion(point, size);
}
