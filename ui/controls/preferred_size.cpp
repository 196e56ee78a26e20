#include "ui/controls/preferred_size.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

namespace {

int Truncated(double value) {
    return static_cast<int>(value); // toward zero
}

} // namespace

QRectF TextBox(const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font);
    return QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.height());
}

QSize ButtonPreferredSize(const QRectF& box, double dpiY, double points) {
    const int width = Truncated(box.width() + box.x() + 1.9 * box.height() + 0.5) - Truncated(box.x());
    const int height = Truncated(dpiY * points * 2.1 / 72 + box.y() + 0.5) - Truncated(box.y());
    return {width, height};
}

QSize TextPreferredSize(const QRectF& box) {
    return {Truncated(box.width() + 0.9999), Truncated(box.height() + 0.9999)};
}
