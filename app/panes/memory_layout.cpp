#include "app/panes/memory_layout.h"

namespace NCalculatorPanes {

MemoryPaneMetrics MemoryPaneMetricsForDpi(int dpiX, int dpiY) {
    MemoryPaneMetrics metrics;
    metrics.buttonWidth = (13 * dpiX + 18) / 36;
    metrics.buttonHeight = (13 * dpiY + 18) / 36;
    metrics.margin = (5 * dpiX + 72) / 144;
    metrics.step = metrics.buttonHeight + metrics.margin;
    return metrics;
}

MemoryPaneGeometry LayOutMemoryPane(const QRect& client, const MemoryPaneMetrics& metrics) {
    // Edges are kept as (left, top, right, bottom) with right and bottom exclusive.
    const int m = metrics.margin;
    const int listLeft = client.left() + m;
    const int listTop = client.top() + m;
    const int listRight = client.left() + client.width() - (3 * m + 1) / 2 - metrics.buttonWidth;
    const int listBottom = client.top() + client.height() - m;

    MemoryPaneGeometry geometry;
    geometry.list = QRect(QPoint(listLeft, listTop), QPoint(listRight - 1, listBottom - 1));
    for (int i = 0; i < kMemoryButtonCount; ++i)
        geometry.buttons[static_cast<std::size_t>(i)] =
            QRect(listRight + m, listTop + i * metrics.step, metrics.buttonWidth, metrics.buttonHeight);
    return geometry;
}

} // namespace NCalculatorPanes
