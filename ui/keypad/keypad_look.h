#pragma once
// The keypad's own look, kept in "GUI/Keypad": a text and a face colour per key group,
// the system-colour marks, the style and the font. One table of value names, kinds and
// valid ranges drives reading and writing; a missing or invalid value takes its default.

#include <array>

#include "ui/keypad/button_colors.h"
#include "ui/keypad/button_style.h"
#include "ui/keypad/keypad_font.h"
#include "ui/keypad/keypad_keys.h"

class QSettings;

struct KeypadLook {
    std::array<ColorRef, 3> text{}; // by KeyGroup
    std::array<ColorRef, 3> face{};
    bool systemText = false; // every key's text in the system colour
    bool systemFace = false; // every key's face in the system colour
    KeypadStyle style = KeypadStyle::Vantor;
    KeypadFontDescription font;

    bool operator==(const KeypadLook&) const = default;
};

inline size_t GroupIndex(KeyGroup group) {
    return static_cast<size_t>(group);
}

KeypadLook DefaultKeypadLook(int dpiY);

KeypadLook ReadKeypadLook(const QSettings& settings, int dpiY);
void WriteKeypadLook(QSettings& settings, const KeypadLook& look);
