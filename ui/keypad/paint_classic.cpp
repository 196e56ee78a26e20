// The "2000" drawing: the platform's classic raised push button.
#include <QPainter>
#include <qdrawutil.h>

#include "ui/keypad/button_paint.h"

namespace {

void Frame(QPainter& painter, const QRect& rect, const QColor& color) {
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

} // namespace

void PaintClassic(QPainter& painter, QSize size, const ButtonLook& look) {
    const QRect item(QPoint(0, 0), size);
    const QPalette& system = look.palette;
    const bool pressed = look.pressedLook || look.selected;
    const bool framed = look.focus || look.defaultMark;
    if (pressed) {
        painter.fillRect(item, look.face);
        Frame(painter, item.adjusted(1, 1, -1, -1), system.color(QPalette::Dark));
    } else {
        const QRect rect = framed ? item.adjusted(1, 1, -1, -1) : item;
        qDrawWinButton(&painter, rect, system, false, &system.brush(QPalette::Button));
        if (!look.disabled)
            painter.fillRect(QRect(rect.left() + 1, rect.top() + 1, rect.width() - 3, rect.height() - 3),
                             look.face);
    }
    if (framed)
        Frame(painter, item, system.color(QPalette::Shadow));

    if (look.disabled) {
        painter.setPen(system.color(QPalette::Light));
        painter.drawText(item.translated(1, 0), kTextFlags, look.text);
        painter.setPen(system.color(QPalette::Dark));
        painter.drawText(item.translated(0, -1), kTextFlags, look.text);
    } else {
        painter.setPen(look.textColor);
        painter.drawText(pressed ? item.translated(1, 0) : item.translated(0, -1), kTextFlags, look.text);
    }
    if (look.focus && !look.hideFocus)
        DrawFocusRectangle(painter, item.adjusted(4, 4, -4, -4), look);
}
