#include "ui/print/printer_geometry.h"

#include <QPageLayout>
#include <QPrinter>

void PreparePrinter(QPrinter& printer) {
    printer.setFullPage(false);
    QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

DeviceGeometry GeometryOf(const QPrinter& printer) {
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    DeviceGeometry geometry;
    geometry.physicalWidth = paper.width();
    geometry.physicalHeight = paper.height();
    geometry.printableWidth = page.width();
    geometry.printableHeight = page.height();
    geometry.offsetX = page.left() - paper.left();
    geometry.offsetY = page.top() - paper.top();
    geometry.dpiX = printer.logicalDpiX();
    geometry.dpiY = printer.logicalDpiY();
    return geometry;
}

QPageSize PageSizeOfKey(const QString& key) {
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const QPageSize size(static_cast<QPageSize::PageSizeId>(id));
        if (size.key() == key)
            return size;
    }
    return {};
}
