#pragma once
// Where every key goes: sizes measured from the keypad font, spacing from the dialog
// font's units, and the rectangles of the five blocks.

#include <QRect>
#include <QSize>

#include <array>

#include "ui/keypad/keypad_keys.h"

class QFontMetrics;

struct KeypadSpacing {
    int gapX = 0;     // between neighbouring keys across
    int gapY = 0;     // between neighbouring keys down
    int blockGap = 0; // between neighbouring blocks
    int margin = 0;   // on all four sides
};

struct KeySizes {
    int width = 0;  // a function or line key
    int height = 0; // every key
    int square = 0; // a constant, digit or operator key
};

struct KeypadLayout {
    std::array<QRect, kKeyCount> keys; // in table order
    QSize size;                        // the whole keypad
};

// The pixels of the dialog font's units: a horizontal unit is a quarter of the average
// character width, a vertical unit an eighth of the character height.
struct DialogBaseUnits {
    int x = 0; // the average width of the Latin letters
    int y = 0; // the character height
};

DialogBaseUnits BaseUnitsOf(const QFontMetrics& dialogFont);

// The spacing of the keys measured between the keys of the keypad's template, whose edges
// are converted from dialog units to pixels one by one.
KeypadSpacing SpacingFromBaseUnits(DialogBaseUnits units);

// The widest caption stands in for all: it depends on the notation.
KeySizes MeasureKeys(const QFontMetrics& keypadFont, int notation);

KeypadLayout LayOutKeys(const KeySizes& sizes, const KeypadSpacing& spacing);
