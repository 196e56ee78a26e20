#include "ui/controls/va_static.h"

#include <QPainter>

#include "ui/controls/picture_painting.h"
#include "ui/controls/preferred_size.h"

VaStatic::VaStatic(const QString& text, QWidget* dialog) : QWidget(dialog) {
    SetText(text);
}

void VaStatic::SetText(const QString& text) {
    text_ = text;
    setAccessibleName(text);
    update();
}

QSize VaStatic::PreferredSize() {
    const QSize size = font_ ? TextPreferredSize(TextBox(text_, *font_)) : QSize(0, 0);
    resize(size);
    return size;
}

bool VaStatic::DrawTo(QPainter& painter) const {
    if (!font_)
        return false;
    DrawHaloText(painter, geometry(),
                 {.text = text_,
                  .font = *font_,
                  .halo = 0xFEFFFFFF,
                  .ink = colour_,
                  .flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip});
    return true;
}

void VaStatic::FillBackground(QPainter& painter, QRgb colour) const {
    painter.fillRect(geometry(), QColor::fromRgba(colour));
}

void VaStatic::paintEvent(QPaintEvent*) {
    // The dialog draws the line into its own picture.
}
