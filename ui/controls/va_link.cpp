#include "ui/controls/va_link.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QPainter>

#include "ui/controls/picture_painting.h"
#include "ui/controls/preferred_size.h"

VaLink::VaLink(const QString& text, QUrl address, QWidget* dialog)
    : QAbstractButton(dialog), address_(std::move(address)) {
    setText(text);
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, &VaLink::Open);
}

void VaLink::SetColours(QRgb text, QRgb background) {
    textColour_ = text;
    background_ = background;
}

std::optional<QFont> VaLink::ShownFont() const {
    std::optional<QFont> font = font_;
    if (font)
        font->setUnderline(hasFocus());
    return font;
}

QSize VaLink::PreferredSize() {
    QSize size(0, 0);
    if (font_) {
        QFont underlined = *font_;
        underlined.setUnderline(true);
        size = TextPreferredSize(TextBox(text() + QLatin1Char('l'), underlined));
    }
    resize(size);
    return size;
}

bool VaLink::DrawTo(QPainter& painter) const {
    painter.fillRect(geometry(), QColor::fromRgba(background_));
    const std::optional<QFont> font = ShownFont();
    if (!font)
        return false;
    DrawHaloText(painter, geometry(),
                 {.text = text(),
                  .font = *font,
                  .halo = 0xFEFFFFFF,
                  .ink = textColour_,
                  .flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip});
    return true;
}

void VaLink::Open() const {
    if (!isEnabled())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QDesktopServices::openUrl(address_);
    QApplication::restoreOverrideCursor();
}

void VaLink::paintEvent(QPaintEvent*) {
    // The dialog draws the link into its own picture.
}

void VaLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void VaLink::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void VaLink::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}
