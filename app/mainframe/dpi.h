#pragma once
// Sizes given in pixels at 96 dots per inch, scaled to the screen's dots per inch.

#include <QWidget>

inline int ScaledPixels(int pixelsAt96, const QWidget* widget) {
    const int dpi = widget != nullptr ? widget->logicalDpiY() : 96;
    return (pixelsAt96 * dpi + 48) / 96;
}
