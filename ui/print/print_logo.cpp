#include "ui/print/print_logo.h"

#include <QImage>
#include <QPainter>

#include "ui/resources/image_resources.h"

namespace {

// The logo is black on white. Combined with the page as an AND combines it, white lets the
// page show: each pixel becomes black, as opaque as it is dark.
QImage DarknessAsCover(const QImage& picture) {
    QImage cover(picture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(cover.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            // Over white paper, as the picture would print.
            const QRgb pixel = from[x];
            const int alpha = qAlpha(pixel);
            const int gray = (qGray(pixel) * alpha + 255 * (255 - alpha)) / 255;
            to[x] = qRgba(0, 0, 0, 255 - gray);
        }
    }
    return cover;
}

} // namespace

void DrawPrintLogo(QPainter& painter, const QRect& target) {
    if (target.isEmpty())
        return;
    const QImage picture =
        DecodeImage(VaImageId::PrintLogo, target.size()).convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull())
        return;
    painter.drawImage(target, DarknessAsCover(picture));
}
