#include "ui/controls/va_button.h"

#include <QPainter>

#include "ui/controls/picture_painting.h"
#include "ui/controls/preferred_size.h"

namespace {

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip;

} // namespace

QString WithoutMnemonic(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

VaButton::VaButton(const QString& text, QWidget* dialog) : RegionButton(ButtonShape::Capsule, dialog) {
    setText(text);
    setAccessibleName(WithoutMnemonic(text));
    setAutoDefault(true);
}

void VaButton::SetColours(QRgb text, const ButtonColours& colours) {
    textColour_ = text;
    colours_ = colours;
    normal_ = QImage();
}

QSize VaButton::PreferredSize() {
    const double points = font_ ? font_->pointSizeF() : 12.0;
    const QRectF box = font_ ? TextBox(WithoutMnemonic(text()), *font_) : QRectF();
    const QSize size = ButtonPreferredSize(box, logicalDpiY(), points);
    resize(size);
    return size;
}

void VaButton::RenderPictures() {
    const qreal ratio = devicePixelRatioF();
    for (PressLook look : {PressLook::Normal, PressLook::Pressed}) {
        QImage picture = NewPicture(size(), ratio);
        QPainter painter(&picture);
        SetPictureHints(painter);
        PaintButtonFace(painter, ButtonShape::Capsule, size(), colours_, look);
        if (font_) {
            const QPoint shift(0, look == PressLook::Pressed ? 1 : 0);
            DrawHaloText(painter, rect(),
                         {text(), *font_, 0xFEE0E0E0, textColour_, kTextFlags, HaloSpread::Sides, shift});
        }
        (look == PressLook::Pressed ? pressed_ : normal_) = picture;
    }
}

bool VaButton::DrawTo(QPainter& painter) {
    if (size().isEmpty())
        return false;
    if (normal_.isNull() || normal_.size() != size() * devicePixelRatioF())
        RenderPictures();
    painter.save();
    painter.translate(pos());
    painter.drawImage(QPoint(0, 0), isDown() ? pressed_ : normal_);
    if (!isDown() || isDefault()) {
        const ButtonOutlines outlines = CapsuleOutlines(size());
        if (!isDown() && IsHot())
            PaintHotRings(painter, outlines);
        if (isDefault())
            PaintDefaultRings(painter, outlines);
    }
    painter.restore();
    return true;
}

void VaButton::paintEvent(QPaintEvent*) {
    // The dialog draws the button into its own picture.
}
