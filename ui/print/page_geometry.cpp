#include "ui/print/page_geometry.h"

#include <algorithm>
#include <cstdint>

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t half = denominator / 2;
    if ((product < 0) != (denominator < 0))
        half = -half;
    return static_cast<int>((product + half) / denominator);
}

Insets PageMargins(const PrintSettings& settings, const DeviceGeometry& device) {
    constexpr int kUnitsPerInch = 254000; // 0.0001 mm
    const int rightBorder = device.physicalWidth - device.printableWidth - device.offsetX;
    const int bottomBorder = device.physicalHeight - device.printableHeight - device.offsetY;
    Insets insets;
    insets.left = MulDiv(settings.marginLeft, device.dpiX, kUnitsPerInch) - device.offsetX;
    insets.top = MulDiv(settings.marginTop, device.dpiY, kUnitsPerInch) - device.offsetY;
    insets.right = MulDiv(settings.marginRight, device.dpiX, kUnitsPerInch) - rightBorder;
    insets.bottom = MulDiv(settings.marginBottom, device.dpiY, kUnitsPerInch) - bottomBorder;
    for (int* inset : {&insets.left, &insets.top, &insets.right, &insets.bottom})
        *inset = std::max(*inset, 0);
    return insets;
}

bool PageCanBeUsed(const Insets& insets, const DeviceGeometry& device) {
    return insets.left + insets.right < device.printableWidth &&
           insets.top + insets.bottom < device.printableHeight;
}

QRect ReduceByInsets(const QRect& printable, const Insets& insets) {
    return printable.adjusted(insets.left, insets.top, -insets.right, -insets.bottom);
}

QRect BodyRect(const QRect& reduced, int headerHeight, int footerHeight) {
    return reduced.adjusted(0, 2 * headerHeight, 0, -2 * footerHeight);
}

int LogoWidth(int characterHeight, int dpiX, int dpiY) {
    return dpiY > 0 ? characterHeight * dpiX / dpiY : characterHeight;
}

int NumberX(NumberPosition position, const QRect& reduced, int numberWidth, int room, int digitWidth) {
    const int rightAligned = reduced.left() + reduced.width() - numberWidth;
    const bool centred = position == NumberPosition::HeaderCenter || position == NumberPosition::FooterCenter;
    if (!centred || room < (numberWidth + reduced.width() + 1) / 2 + digitWidth)
        return rightAligned;
    return reduced.left() + (reduced.width() - numberWidth + 1) / 2;
}
