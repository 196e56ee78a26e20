#pragma once
// The shapes of the keys: the Vantor capsules, highlight and halves with the capsule
// that reacts to the pointer, and the rounded rectangles of the XP and Vista faces.
// Coordinates are pixel centres: (0, 0) is the middle of the top-left pixel.

#include <QPainterPath>
#include <QPoint>
#include <QSize>

#include <array>

struct VantorOutlines {
    std::array<QPainterPath, 10> capsules; // each 1 pixel inside the previous
    QPainterPath highlight;
    QPainterPath upperHalf;
    QPainterPath lowerHalf;
    double middle = 0; // the y where the halves meet
};

VantorOutlines MakeVantorOutlines(QSize size);

// The capsule 3 pixels inside the key's rectangle, as a region of whole pixels.
bool InCapsule(QSize size, QPoint point);

// Rounded rectangles on the key's edge (corner arcs in 3-pixel boxes) and 1 pixel inside
// it (5-pixel boxes).
QPainterPath OuterOutline(QSize size);
QPainterPath InnerOutline(QSize size);

struct VistaHalves {
    QPainterPath upper;
    QPainterPath lower;
    int middle = 0; // the y where the halves meet
};

VistaHalves MakeVistaHalves(QSize size);
