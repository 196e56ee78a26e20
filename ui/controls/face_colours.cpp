#include "ui/controls/face_colours.h"

#include <algorithm>
#include <cmath>

namespace {

QRgb WithLightness(const Hsl& hsl, double factor) {
    return FromHsl({hsl.hue, hsl.saturation, std::min(hsl.lightness * factor, 1.0)});
}

int ToByte(double value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

double HueComponent(double p, double q, double hue) {
    if (hue < 0)
        hue += 6;
    if (hue >= 6)
        hue -= 6;
    if (hue < 1)
        return p + (q - p) * hue;
    if (hue < 3)
        return q;
    if (hue < 4)
        return p + (q - p) * (4 - hue);
    return p;
}

} // namespace

Hsl ToHsl(QRgb colour) {
    const double r = qRed(colour) / 255.0;
    const double g = qGreen(colour) / 255.0;
    const double b = qBlue(colour) / 255.0;
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    const double lightness = (high + low) / 2;
    const double range = high - low;
    if (range == 0)
        return {0, 0, lightness};
    const double saturation = lightness <= 0.5 ? range / (high + low) : range / (2 - high - low);
    double hue = 0;
    if (high == r)
        hue = (g - b) / range;
    else if (high == g)
        hue = 2 + (b - r) / range;
    else
        hue = 4 + (r - g) / range;
    if (hue < 0)
        hue += 6;
    return {hue, saturation, lightness};
}

QRgb FromHsl(const Hsl& hsl) {
    const double l = hsl.lightness;
    const double s = hsl.saturation;
    if (s == 0) {
        const int grey = ToByte(l);
        return qRgb(grey, grey, grey);
    }
    const double q = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    return qRgb(ToByte(HueComponent(p, q, hsl.hue + 2)), ToByte(HueComponent(p, q, hsl.hue)),
                ToByte(HueComponent(p, q, hsl.hue - 2)));
}

FaceShades FaceShadesOf(QRgb face) {
    const Hsl hsl = ToHsl(face);
    return {WithLightness(hsl, 1.8), WithLightness(hsl, 0.4), WithLightness(hsl, 2.0)};
}
