#include "ui/resources/shadow_image.h"

#include <algorithm>
#include <cmath>

int ShadowAlphaAt(double distanceFromMiddle) {
    const double inside = std::clamp(1.0 - distanceFromMiddle / kShadowBorder, 0.0, 1.0);
    // Smoothstep: the shadow fades in without a visible edge at either end.
    const double eased = inside * inside * (3.0 - 2.0 * inside);
    return static_cast<int>(std::lround(kShadowAlpha * eased));
}

QImage MakeShadowImage() {
    QImage image(kShadowSize, kShadowSize, QImage::Format_ARGB32);
    // Distances are taken between pixel centres and the middle square's edge.
    const double low = kShadowBorder - 0.5;
    const double high = kShadowBorder + kShadowMiddle - 0.5;
    for (int y = 0; y < kShadowSize; ++y) {
        for (int x = 0; x < kShadowSize; ++x) {
            const double dx = std::max({low - x, x - high, 0.0});
            const double dy = std::max({low - y, y - high, 0.0});
            image.setPixel(x, y, qRgba(0, 0, 0, ShadowAlphaAt(std::hypot(dx, dy))));
        }
    }
    return image;
}
