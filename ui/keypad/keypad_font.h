#pragma once
// The keypad font as the settings describe it (height in pixels as a font request takes
// it, weight, italic, face), the default and system fonts, and the menu's font marks.

#include <QFont>
#include <QString>

enum class KeypadFontKind { Select, Default, System };

struct KeypadFontDescription {
    int height = 0; // negative: the character height without internal leading
    int weight = 0; // 1 to 1000, 400 normal, 700 bold; 0 takes the normal weight
    bool italic = false;
    QString face;

    bool operator==(const KeypadFontDescription&) const = default;
};

// Arial, 11 points at the screen's pixels per inch, weight 800.
KeypadFontDescription DefaultKeypadFont(int dpiY);

// A face of 1 to 31 characters, a height of 1 to 1000 pixels and a weight of 0 to 1000.
bool IsCreatableFont(const KeypadFontDescription& description);

QFont MakeKeypadFont(const KeypadFontDescription& description);
KeypadFontDescription DescribeFont(const QFont& font, int dpiY);

struct KeypadFontMarks {
    bool system = false;
    bool defaultFont = false;
};

// The default font wins when the font equals both.
KeypadFontMarks MarksOf(const KeypadFontDescription& font, const KeypadFontDescription& defaultFont,
                        const KeypadFontDescription& systemFont);
