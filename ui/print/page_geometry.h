#pragma once
// The printed page's geometry as plain arithmetic on device pixels: margins turned into
// insets from the printable area, the page-can-be-used test, the body rectangle, the
// logo's width and where the page number goes.

#include <QRect>

#include "ui/print/print_settings.h"

// number × numerator / denominator in 64 bits, rounded to the nearest integer (halves
// away from zero); -1 when the denominator is 0.
int MulDiv(int number, int numerator, int denominator);

// What the printer says about one sheet, in device pixels.
struct DeviceGeometry {
    int physicalWidth = 0;
    int physicalHeight = 0;
    int printableWidth = 0;
    int printableHeight = 0;
    int offsetX = 0; // where the printable area starts on the sheet
    int offsetY = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// Insets from the printable area's edges, in device pixels, never negative: a margin
// inside the printer's unprintable border costs nothing more.
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Insets&) const = default;
};

Insets PageMargins(const PrintSettings& settings, const DeviceGeometry& device);
bool PageCanBeUsed(const Insets& insets, const DeviceGeometry& device);
QRect ReduceByInsets(const QRect& printable, const Insets& insets);

// Each header or footer line is followed by an empty line of the same height.
QRect BodyRect(const QRect& reduced, int headerHeight, int footerHeight);

// As wide as the font is high on paper, whatever the two resolutions.
int LogoWidth(int characterHeight, int dpiX, int dpiY);

// x of the page number in the reduced rectangle. A centred number moves to the right edge
// unless the room left of it keeps one digit's width clear of the text drawn from the left.
int NumberX(NumberPosition position, const QRect& reduced, int numberWidth, int room, int digitWidth);
