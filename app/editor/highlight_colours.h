#pragma once
// The highlighter's and the editor marks' colours, worked out from the palette so that
// they read on a light and on a dark background alike.

#include <QTextCharFormat>

#include <array>

#include "app/editor/token_classes.h"

class QPalette;

using TokenFormats = std::array<QTextCharFormat, kTokenClassCount>;

TokenFormats HighlightFormats(const QPalette& palette);

struct MarkFormats {
    QTextCharFormat matchedBracket;
    QTextCharFormat unmatchedBracket;
    QTextCharFormat findMatch;
};

MarkFormats EditorMarkFormats(const QPalette& palette);

// The contrast ratio of two colours (1 to 21), as the accessibility guidelines define it.
double ContrastRatio(const QColor& a, const QColor& b);
