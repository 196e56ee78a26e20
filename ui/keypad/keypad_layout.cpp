#include "ui/keypad/keypad_layout.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace {

// Dialog units to pixels as the platform rounds them: n * base / divisor, halves away from 0.
int Scale(int units, int base, int divisor) {
    return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

// The template's keys: 1001 at (3, 3) size 39 x 14, 1008 at (46, 19), 1006 at (218, 3)
// and 1043 at (267, 3); each edge is converted on its own, as the platform does.
constexpr int kFirstLeft = 3, kFirstTop = 3, kKeyWidthUnits = 39, kKeyHeightUnits = 14;
constexpr int kSecondRowLeft = 46, kSecondRowTop = 19;
constexpr int kLastFunctionLeft = 218, kFirstConstantLeft = 267;

} // namespace

DialogBaseUnits BaseUnitsOf(const QFontMetrics& dialogFont) {
    // The average width of the Latin letters, rounded up at half a pixel.
    const int letters =
        dialogFont.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, dialogFont.height()};
}

KeypadSpacing SpacingFromBaseUnits(DialogBaseUnits units) {
    const auto x = [units](int dialogUnits) { return Scale(dialogUnits, units.x, 4); };
    const auto y = [units](int dialogUnits) { return Scale(dialogUnits, units.y, 8); };
    KeypadSpacing spacing;
    spacing.gapX = x(kSecondRowLeft) - x(kFirstLeft + kKeyWidthUnits);
    spacing.gapY = y(kSecondRowTop) - y(kFirstTop + kKeyHeightUnits);
    spacing.margin = y(kFirstTop);
    spacing.blockGap = x(kFirstConstantLeft) - x(kLastFunctionLeft + kKeyWidthUnits);
    return spacing;
}

KeySizes MeasureKeys(const QFontMetrics& keypadFont, int notation) {
    const QString widest = notation != 0 ? QStringLiteral("88arccosec8") : QStringLiteral("88;arcosh8");
    KeySizes sizes;
    sizes.width = keypadFont.horizontalAdvance(widest);
    sizes.height = 8 * keypadFont.height() / 5;
    sizes.square = std::max(keypadFont.horizontalAdvance(QStringLiteral("*/")), sizes.height);
    return sizes;
}

KeypadLayout LayOutKeys(const KeySizes& sizes, const KeypadSpacing& spacing) {
    const int w = sizes.width, h = sizes.height, s = sizes.square;
    const int gx = spacing.gapX, gy = spacing.gapY, g = spacing.blockGap, m = spacing.margin;
    const int constantsX = m + 6 * w + 5 * gx + g;
    const int numbersX = m + 6 * w + 6 * gx + 2 * g + 2 * s;
    const int linesX = m + 6 * w + 6 * s + 9 * gx + 3 * g;
    const int commandWidth = 2 * s + gx;

    KeypadLayout layout;
    for (int i = 0; i < kKeyCount; ++i) {
        const KeypadKey& key = KeypadKeys()[static_cast<size_t>(i)];
        const int y = m + key.row * (h + gy);
        QRect& rect = layout.keys[static_cast<size_t>(i)];
        switch (key.block) {
        case KeyBlock::Functions:
            rect = QRect(m + key.column * (w + gx), y, w, h);
            break;
        case KeyBlock::Constants:
            rect = QRect(constantsX + key.column * (s + gx), y, s, h);
            break;
        case KeyBlock::Numbers:
            rect = QRect(numbersX + key.column * (s + gx), y, s, h);
            break;
        case KeyBlock::Commands:
            rect = QRect(numbersX + key.column * (commandWidth + gx), y, commandWidth, h);
            break;
        case KeyBlock::Lines:
            rect = QRect(linesX, y, w, h);
            break;
        }
    }
    layout.size = QSize(7 * w + 6 * s + 9 * gx + 3 * g + 2 * m, 7 * h + 6 * gy + 2 * m);
    return layout;
}
