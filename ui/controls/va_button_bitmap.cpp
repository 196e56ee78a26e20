#include "ui/controls/va_button_bitmap.h"

#include <QPainter>

#include "ui/controls/picture_painting.h"

QRect ButtonImageRect(QSize size) {
    const int p = (5 * size.width() - 30) / 32;
    const int r = (5 * size.height() - 30) / 32;
    return {p + 3, r + 3, size.width() - 2 * p - 6, size.height() - 2 * r - 6};
}

VaButtonBitmap::VaButtonBitmap(VaImageId image, QWidget* parent)
    : RegionButton(ButtonShape::Round, parent), image_(image) {}

void VaButtonBitmap::SetColours(const ButtonColours& colours) {
    colours_ = colours;
    normal_ = QImage();
    update();
}

bool VaButtonBitmap::RenderPictures() {
    const qreal ratio = devicePixelRatioF();
    const QRect imageRect = ButtonImageRect(size());
    const QImage image = DecodeImage(image_, imageRect.size() * ratio);
    if (image.isNull())
        return false;
    for (PressLook look : {PressLook::Normal, PressLook::Pressed}) {
        QImage picture = NewPicture(size(), ratio);
        QPainter painter(&picture);
        SetPictureHints(painter);
        PaintButtonFace(painter, ButtonShape::Round, size(), colours_, look);
        painter.drawImage(imageRect.translated(0, look == PressLook::Pressed ? 1 : 0), image);
        (look == PressLook::Pressed ? pressed_ : normal_) = picture;
    }
    return true;
}

void VaButtonBitmap::paintEvent(QPaintEvent*) {
    if ((normal_.isNull() || normal_.size() != size() * devicePixelRatioF()) && !RenderPictures())
        return;
    QPainter painter(this);
    SetPictureHints(painter);
    const bool enabled = isEnabled();
    const bool pressed = isDown() && enabled;
    painter.drawImage(QPoint(0, 0), pressed ? pressed_ : normal_);
    const ButtonOutlines outlines = RoundOutlines(size());
    if (!enabled) {
        painter.translate(0.5, 0.5);
        painter.fillPath(outlines.rings[3], QColor::fromRgba(0x48FFFFFF));
        return;
    }
    if (!pressed && IsHot())
        PaintHotRings(painter, outlines);
    if (hasFocus())
        PaintDefaultRings(painter, outlines);
}
