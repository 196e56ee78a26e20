#include "ui/controls/face_colours.h"

#include "ui/keypad/button_colors.h"

FaceShades FaceShadesOf(QRgb face) {
    const QColor colour = QColor::fromRgb(face);
    const double lightness = LightnessOf(colour);
    const auto shade = [&](double factor) { return WithLightness(colour, lightness * factor).rgb(); };
    return {shade(1.8), shade(0.4), shade(2.0)};
}
