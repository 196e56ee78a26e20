#pragma once
// Geometry of the memory pane: the list on the left, a column of five square buttons
// on the right. Sizes follow the screen's pixels per inch (35 x 35 buttons with a
// 3-pixel margin at 96 dpi).

#include <array>

#include <QRect>

#include "app/panes/memory_items.h"

namespace NCalculatorPanes {

struct MemoryPaneMetrics {
    int margin = 5;
    int step = 57; // from the top of one button to the top of the next
    int buttonWidth = 52;
    int buttonHeight = 52;
};

MemoryPaneMetrics MemoryPaneMetricsForDpi(int dpiX, int dpiY);

struct MemoryPaneGeometry {
    QRect list;
    std::array<QRect, kMemoryButtonCount> buttons; // in the order of MemoryButton
};

// client: the pane's client rectangle.
MemoryPaneGeometry LayOutMemoryPane(const QRect& client, const MemoryPaneMetrics& metrics);

} // namespace NCalculatorPanes
