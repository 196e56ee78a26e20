#pragma once
// Where the printing progress dialog puts its picture, its four rows of label and value,
// and its Cancel button, in the frame's coordinates at the screen's pixels per inch.

#include <QRect>
#include <QSize>

#include <array>

struct PrintingDialogLayout {
    QRect picture;
    int labelsRight = 0; // labels end here, right-aligned; values start here
    std::array<int, 4> rowTops{};
    QRect cancel;
    QSize frame;
};

// labelWidth and valueWidth are the widest label and value.
PrintingDialogLayout LayOutPrintingDialog(int dpiX, int dpiY, int captionHeight, int labelWidth,
                                          int valueWidth, QSize buttonSize);
