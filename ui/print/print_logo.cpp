#include "ui/print/print_logo.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

// A stand-in until the program's own artwork is embedded: a blue disc with a white "="
// and a white ring, drawn into a transparent picture.
QImage LogoPicture(QSize size) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square(0, 0, size.width(), size.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1E, 0x5A, 0xA8));
    painter.drawEllipse(square.adjusted(1, 1, -1, -1));
    painter.setBrush(Qt::white);
    const qreal barWidth = square.width() * 0.5;
    const qreal barHeight = square.height() * 0.1;
    const qreal left = square.center().x() - barWidth / 2;
    painter.drawRect(QRectF(left, square.height() * 0.36, barWidth, barHeight));
    painter.drawRect(QRectF(left, square.height() * 0.54, barWidth, barHeight));
    return picture;
}

// White is transparent: the logo is combined with the page as an AND would combine it.
QImage WhiteAsTransparent(QImage picture) {
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF)
                line[x] = 0;
        }
    }
    return picture;
}

} // namespace

void DrawPrintLogo(QPainter& painter, const QRect& target) {
    if (target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, WhiteAsTransparent(LogoPicture(target.size())));
    painter.restore();
}
