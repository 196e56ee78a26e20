#pragma once
// The program's pictures by their resource ids, and how one is decoded at a size.

#include <QImage>
#include <QSize>
#include <QString>

enum class VaImageId : int {
    PrintLogo = 131,
    Logo = 132,
    Shadow = 133,
    CaptionIcon = 134,
    Informs = 139,
    Asks = 140,
    Warns = 141,
    Stops = 142,
    Printing = 143,
    MemoryFree = 144,
    MemorySave = 145,
    MemoryStatistics = 146,
    MemoryInvert = 147,
    MemoryClear = 148,
};

// The picture's own size (the shadow 168 x 168, the logo 256 x 256, ...).
QSize NominalSize(VaImageId id);
// The resource path: drawings are SVG, the generated shadow is PNG.
QString ImagePath(VaImageId id);

// The picture drawn into a transparent premultiplied image of pixelSize pixels, edges
// left transparent; a null image when the resource is missing or cannot be decoded.
// Drawings are rendered at that size, so they stay crisp at any scale.
QImage DecodeImage(VaImageId id, QSize pixelSize);
