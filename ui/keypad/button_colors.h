#pragma once
// Colour arithmetic of the key faces: settings numbers (0x00BBGGRR) to colours, the
// background's brightness, and the lightness changes of the face shading.

#include <QColor>

#include <cstdint>

using ColorRef = std::uint32_t; // 0x00BBGGRR

QColor FromColorRef(ColorRef value);
ColorRef ToColorRef(const QColor& color);

// 0.3 R + 0.59 G + 0.11 B, each component in 0 to 1.
double Luminance(const QColor& color);
bool IsLightBackground(const QColor& buttonFace);

// Lightness in the hue-saturation-lightness model, 0 to 1.
double LightnessOf(const QColor& color);
// The same hue and saturation at another lightness (capped at 1), each component
// rounded to the nearest of 0 to 255; the alpha is kept.
QColor WithLightness(const QColor& color, double lightness);

QColor WithAlpha(QColor color, int alpha);
