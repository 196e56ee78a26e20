#pragma once
// The three shades of a styled button's face, from the face colour's lightness in the
// hue-saturation-lightness model (hue and saturation kept).

#include <QRgb>

struct FaceShades {
    QRgb light;   // lightness x 1.8, at most 1
    QRgb dark;    // lightness x 0.4
    QRgb lighter; // lightness x 2, at most 1
};

FaceShades FaceShadesOf(QRgb face);
