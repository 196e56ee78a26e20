#include "ui/resources/va_image.h"

#include <QPainter>

#include <cmath>

bool VaImage::LoadPngScaled(VaImageId id, int width, int height, qreal devicePixelRatio) {
    const QSize pixels(static_cast<int>(std::lround(width * devicePixelRatio)),
                       static_cast<int>(std::lround(height * devicePixelRatio)));
    QImage decoded = DecodeImage(id, pixels);
    const bool loaded = !decoded.isNull();
    if (!loaded) {
        decoded = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        decoded.fill(Qt::transparent);
    }
    picture_ = decoded;
    picture_.setDevicePixelRatio(devicePixelRatio);
    return loaded;
}

bool VaImage::DrawTo(QPainter& painter) const {
    if (picture_.isNull())
        return false;
    painter.drawImage(position_, picture_);
    return true;
}
