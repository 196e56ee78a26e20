#pragma once
// What the "XP" and "Vista" drawings share: the theme state of the key, the theme's
// colours for it, and the frame around the custom face (parent background, text, focus).

#include <QColor>
#include <QSize>

#include "ui/keypad/button_paint.h"

enum class ThemeState { Normal = 1, Hot = 2, Pressed = 3, Disabled = 4, Defaulted = 5 };

ThemeState ThemeStateOf(const ButtonLook& look);

// The theme's colours for a state: the palette's highlight as the accent of the hot and
// default rings, its dark shade as the border (its shadow while pressed).
struct ThemeColors {
    QColor accent;
    QColor border;
};

ThemeColors ThemeColorsFor(ThemeState state, const QPalette& palette);

// Draws a face of the key's own colours.
using CustomFace = void (*)(QPainter& painter, QSize size, ThemeState state, const ButtonLook& look,
                            const ThemeColors& colors);

void PaintThemed(QPainter& painter, QSize size, const ButtonLook& look, const ButtonTheme& theme,
                 CustomFace face);
