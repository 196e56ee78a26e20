#pragma once
// Where the printing progress dialog puts its picture, its four rows of label and value,
// and its Cancel button, at the screen's pixels per inch.

#include <QRect>
#include <QSize>

#include <array>

struct PrintingDialogLayout {
    QRect picture;
    std::array<QRect, 4> labels; // right-aligned in their column
    std::array<QRect, 4> values; // left-aligned in theirs
    QRect cancel;
    QSize size;
};

// labelWidth and valueWidth are the widest label and value; rows are textHeight high.
PrintingDialogLayout LayOutPrintingDialog(int dpiX, int dpiY, int labelWidth, int valueWidth, int textHeight,
                                          QSize buttonSize);
