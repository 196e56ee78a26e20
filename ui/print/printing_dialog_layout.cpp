#include "ui/print/printing_dialog_layout.h"

#include <algorithm>

PrintingDialogLayout LayOutPrintingDialog(int dpiX, int dpiY, int captionHeight, int labelWidth,
                                          int valueWidth, QSize buttonSize) {
    PrintingDialogLayout layout;
    const int gapX = 3 * dpiX / 8;
    const int gapY = 3 * dpiY / 8;
    const int rowPitch = 5 * dpiY / 16;
    const QSize picture(13 * dpiX / 8, 13 * dpiY / 8);
    const int columns = labelWidth + valueWidth;
    const int width = std::max(picture.width(), columns) + 2 * gapX + 4;

    layout.picture = QRect(QPoint((width - picture.width()) / 2, captionHeight + gapY), picture);
    layout.labelsRight = (width - columns) / 2 + labelWidth;
    const int firstRow = layout.picture.bottom() + 1 + gapY / 2;
    for (size_t row = 0; row < layout.rowTops.size(); ++row)
        layout.rowTops[row] = firstRow + static_cast<int>(row) * rowPitch;
    const int rowsBottom = layout.rowTops.back() + rowPitch;
    layout.cancel = QRect(QPoint((width - buttonSize.width()) / 2, rowsBottom + gapY), buttonSize);
    layout.frame = QSize(width, layout.cancel.bottom() + 1 + gapY);
    return layout;
}
