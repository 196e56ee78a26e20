#pragma once
// The four key styles, which drawing each gets with or without the platform theme, and
// whether the platform theme is active.

enum class KeypadStyle : int { Classic2000 = 0, Vantor = 1, XP = 2, Vista = 3 };

enum class ButtonDrawing { Classic, Vantor, XP, Vista };

// Without a theme the themed styles fall back to the Vantor drawing; with one, "2000"
// takes the Vista drawing.
ButtonDrawing DrawingFor(KeypadStyle style, bool themeOpen);

// The style whose menu item is checked: the drawing the keys show.
KeypadStyle EffectiveStyle(KeypadStyle stored, bool themingActive);

// The application's style stands for the platform theme: every style but Qt's classic
// "Windows" one draws themed buttons.
bool ThemingActive();
