#include "ui/resources/image_resources.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace {

struct ImageResource {
    VaImageId id;
    const char* path;
    int width;
    int height;
};

constexpr std::array<ImageResource, 14> kImages{{
    {VaImageId::PrintLogo, ":/images/print-logo.svg", 200, 200},
    {VaImageId::Logo, ":/images/logo.svg", 256, 256},
    {VaImageId::Shadow, ":/images/shadow.png", 168, 168},
    {VaImageId::CaptionIcon, ":/images/caption-icon.svg", 128, 128},
    {VaImageId::Informs, ":/images/informs.svg", 256, 256},
    {VaImageId::Asks, ":/images/asks.svg", 270, 256},
    {VaImageId::Warns, ":/images/warns.svg", 270, 256},
    {VaImageId::Stops, ":/images/stops.svg", 256, 256},
    {VaImageId::Printing, ":/images/printing.svg", 256, 256},
    {VaImageId::MemoryFree, ":/images/memory-free.svg", 64, 64},
    {VaImageId::MemorySave, ":/images/memory-save.svg", 64, 64},
    {VaImageId::MemoryStatistics, ":/images/memory-statistics.svg", 64, 64},
    {VaImageId::MemoryInvert, ":/images/memory-invert.svg", 64, 64},
    {VaImageId::MemoryClear, ":/images/memory-clear.svg", 64, 64},
}};

const ImageResource* Find(VaImageId id) {
    for (const ImageResource& image : kImages) {
        if (image.id == id)
            return &image;
    }
    return nullptr;
}

QImage Transparent(QSize pixelSize) {
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage RenderDrawing(const QString& path, QSize pixelSize) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QImage image = Transparent(pixelSize);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixelSize)));
    return image;
}

// Drawn with source copy onto a transparent picture, so that the scaled edges stay as
// transparent as the original's.
QImage ScalePicture(const QString& path, QSize pixelSize) {
    const QImage original = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (original.isNull())
        return {};
    if (original.size() == pixelSize)
        return original;
    QImage image = Transparent(pixelSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(QPoint(0, 0), pixelSize), original);
    return image;
}

} // namespace

QSize NominalSize(VaImageId id) {
    const ImageResource* image = Find(id);
    return image != nullptr ? QSize(image->width, image->height) : QSize();
}

QString ImagePath(VaImageId id) {
    const ImageResource* image = Find(id);
    return image != nullptr ? QString::fromLatin1(image->path) : QString();
}

QImage DecodeImage(VaImageId id, QSize pixelSize) {
    const QString path = ImagePath(id);
    if (path.isEmpty() || pixelSize.isEmpty())
        return {};
    return path.endsWith(QLatin1String(".svg")) ? RenderDrawing(path, pixelSize)
                                                : ScalePicture(path, pixelSize);
}
