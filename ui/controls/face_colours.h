#pragma once
// The three shades of a styled button's face, from the face colour's lightness in the
// hue-saturation-lightness model (hue and saturation kept).

#include <QRgb>

struct FaceShades {
    QRgb light;   // lightness x 1.8, at most 1
    QRgb dark;    // lightness x 0.4
    QRgb lighter; // lightness x 2, at most 1
};

struct Hsl {
    double hue;        // 0 to 6 (sixths of the circle)
    double saturation; // 0 to 1
    double lightness;  // 0 to 1
};

Hsl ToHsl(QRgb colour);
// Opaque; each component rounded to the nearest of 0 to 255.
QRgb FromHsl(const Hsl& hsl);
FaceShades FaceShadesOf(QRgb face);
