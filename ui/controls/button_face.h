#pragma once
// The pictures of the styled push buttons: the face with its lightness gradient, gloss,
// shadow ring and the ring outlines of the pressed, hot and default looks.

#include <QImage>
#include <QRgb>

#include "ui/controls/button_outlines.h"

class QPainter;

struct ButtonColours {
    QRgb face = 0xFFD8D8D8;
    QRgb background = 0xFFF8F8F8;
};

enum class PressLook { Normal, Pressed };

// Steps shared by both buttons: background, shadow ring, face gradient, highlight, the
// face outline and, pressed, the sunken rings with the highlight one pixel lower.
void PaintButtonFace(QPainter& painter, ButtonShape shape, QSize size, const ButtonColours& colours,
                     PressLook look);

// Rings 4 to 6 light up under the pointer; rings 0 to 2 mark the default button.
void PaintHotRings(QPainter& painter, const ButtonOutlines& outlines);
void PaintDefaultRings(QPainter& painter, const ButtonOutlines& outlines);

// A W x H premultiplied picture, with the device pixel ratio given.
QImage NewPicture(QSize size, qreal devicePixelRatio);
