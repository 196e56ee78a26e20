#pragma once
// The fonts and colours of the styled dialogs' texts and buttons.

#include <QRgb>

#include "ui/controls/button_face.h"

class VaButton;
class VaStatic;

inline constexpr double kTextPoints = 13;
inline constexpr double kButtonPoints = 12;
inline constexpr QRgb kTextColour = 0xFE202020;
inline constexpr QRgb kButtonTextColour = 0xFE404040;
inline constexpr ButtonColours kDialogButtonColours{0xFFD8D8D8, 0xFFF8F8F8};

// Open Sans Regular 13 points (Semibold for a heading) in 0xFE202020.
void StyleText(VaStatic& line, bool heading = false);
// Open Sans Bold 12 points, text 0xFE404040 on a 0xFFD8D8D8 face.
void StyleButton(VaButton& button);
