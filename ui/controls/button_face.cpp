#include "ui/controls/button_face.h"

#include <QLinearGradient>
#include <QPainter>

#include <initializer_list>

#include "ui/controls/face_colours.h"
#include "ui/keypad/button_paint.h"

namespace {

QColor WithAlpha(QRgb rgb, int alpha) {
    QColor colour = QColor::fromRgb(rgb);
    colour.setAlpha(alpha);
    return colour;
}

void StrokeRings(QPainter& painter, const ButtonOutlines& outlines, int first, QRgb rgb,
                 std::initializer_list<int> alphas) {
    int ring = first;
    for (int alpha : alphas)
        painter.strokePath(outlines.rings[static_cast<std::size_t>(ring++)], QPen(WithAlpha(rgb, alpha), 1));
}

// Where the highlight's gradient ends: the round button's reaches one pixel further.
int HighlightEnd(ButtonShape shape, int height) {
    return height / 2 + (shape == ButtonShape::Round ? 2 : 1);
}

} // namespace

void PaintButtonFace(QPainter& painter, ButtonShape shape, QSize size, const ButtonColours& colours,
                     PressLook look) {
    const int w = size.width();
    const int h = size.height();
    const bool pressed = look == PressLook::Pressed;
    const ButtonOutlines outlines = OutlinesOf(shape, size);
    const FaceShades shades = FaceShadesOf(colours.face);

    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(0, 0, w, h), QColor::fromRgba(colours.background));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.translate(0.5, 0.5); // the outlines' coordinates are pixel centres

    const QBrush ring = DiagonalShadow(size, 0x28000000, 0xFFFFFFFF);
    for (int k : {1, 2})
        painter.strokePath(outlines.rings[static_cast<std::size_t>(k)], QPen(ring, 1));

    QLinearGradient faceGradient(QPointF(0, 3), QPointF(0, h - 3));
    faceGradient.setColorAt(0, QColor::fromRgb(shades.dark));
    faceGradient.setColorAt(0.5, QColor::fromRgb(colours.face));
    faceGradient.setColorAt(1, QColor::fromRgb(shades.light));
    painter.fillPath(outlines.rings[3], faceGradient);

    // The capsule's pressed highlight moves without its gradient; the round one's moves with it.
    const int shift = pressed ? 1 : 0;
    const int gradientShift = shape == ButtonShape::Round ? shift : 0;
    QLinearGradient gloss(QPointF(0, 3 + gradientShift), QPointF(0, HighlightEnd(shape, h) + gradientShift));
    gloss.setColorAt(0, QColor::fromRgb(shades.lighter));
    gloss.setColorAt(1, WithAlpha(colours.face, 0x40));
    painter.fillPath(outlines.highlight.translated(0, shift), gloss);

    painter.strokePath(outlines.rings[3], QPen(QColor::fromRgb(colours.face), 1));
    if (pressed)
        StrokeRings(painter, outlines, 4, 0xF0F0F0, {0xFF, 0xC0, 0x80, 0x60, 0x40, 0x20});
    painter.restore();
}

void PaintHotRings(QPainter& painter, const ButtonOutlines& outlines) {
    painter.save();
    painter.translate(0.5, 0.5);
    StrokeRings(painter, outlines, 4, 0xE8E8E8, {0xFF, 0xA0, 0x40});
    painter.restore();
}

void PaintDefaultRings(QPainter& painter, const ButtonOutlines& outlines) {
    painter.save();
    painter.translate(0.5, 0.5);
    StrokeRings(painter, outlines, 0, 0x808080, {0x40, 0x80, 0xF0});
    painter.restore();
}

QImage NewPicture(QSize size, qreal devicePixelRatio) {
    QImage picture(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    return picture;
}
