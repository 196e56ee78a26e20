#include "ui/keypad/button_colors.h"

#include <algorithm>
#include <cmath>

namespace {

struct Hsl {
    double hue = 0;        // 0 to 1
    double saturation = 0; // 0 to 1
    double lightness = 0;  // 0 to 1
};

Hsl ToHsl(const QColor& color) {
    const double r = color.red() / 255.0, g = color.green() / 255.0, b = color.blue() / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    Hsl hsl;
    hsl.lightness = (high + low) / 2;
    const double range = high - low;
    if (range == 0)
        return hsl;
    hsl.saturation = hsl.lightness > 0.5 ? range / (2 - high - low) : range / (high + low);
    double hue = 0;
    if (high == r)
        hue = (g - b) / range + (g < b ? 6 : 0);
    else if (high == g)
        hue = (b - r) / range + 2;
    else
        hue = (r - g) / range + 4;
    hsl.hue = hue / 6;
    return hsl;
}

double HueToComponent(double p, double q, double t) {
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (t < 1.0 / 6)
        return p + (q - p) * 6 * t;
    if (t < 0.5)
        return q;
    if (t < 2.0 / 3)
        return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

int ToByte(double component) {
    return static_cast<int>(std::lround(std::clamp(component, 0.0, 1.0) * 255));
}

} // namespace

QColor FromColorRef(ColorRef value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

ColorRef ToColorRef(const QColor& color) {
    return static_cast<ColorRef>(color.red()) | static_cast<ColorRef>(color.green()) << 8 |
           static_cast<ColorRef>(color.blue()) << 16;
}

double Luminance(const QColor& color) {
    return 0.3 * color.red() / 255 + 0.59 * color.green() / 255 + 0.11 * color.blue() / 255;
}

bool IsLightBackground(const QColor& buttonFace) {
    return Luminance(buttonFace) > 0.5;
}

double LightnessOf(const QColor& color) {
    return ToHsl(color).lightness;
}

QColor WithLightness(const QColor& color, double lightness) {
    Hsl hsl = ToHsl(color);
    hsl.lightness = std::min(lightness, 1.0);
    QColor result;
    if (hsl.saturation == 0) {
        const int grey = ToByte(hsl.lightness);
        result = QColor(grey, grey, grey);
    } else {
        const double l = hsl.lightness, s = hsl.saturation;
        const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
        const double p = 2 * l - q;
        result =
            QColor(ToByte(HueToComponent(p, q, hsl.hue + 1.0 / 3)), ToByte(HueToComponent(p, q, hsl.hue)),
                   ToByte(HueToComponent(p, q, hsl.hue - 1.0 / 3)));
    }
    result.setAlpha(color.alpha());
    return result;
}

QColor WithAlpha(QColor color, int alpha) {
    color.setAlpha(alpha);
    return color;
}
