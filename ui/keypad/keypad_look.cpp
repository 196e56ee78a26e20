#include "ui/keypad/keypad_look.h"

#include <QSettings>

#include <limits>

namespace {

const QString kSection = QStringLiteral("GUI/Keypad/");
const QString kFontFaceKey = QStringLiteral("FontFace");

constexpr long long kLowest = std::numeric_limits<int>::min();
constexpr long long kHighest = std::numeric_limits<int>::max();
constexpr long long kLargestColor = 0x00FFFFFF;

// An integer value: its name, the range it must lie in, and the field it fills.
struct IntegerSetting {
    const char* key;
    long long smallest;
    long long largest;
    long long (*get)(const KeypadLook&);
    void (*set)(KeypadLook&, long long);
};

template <size_t Group> constexpr IntegerSetting TextColor(const char* key) {
    return {key, 0, kLargestColor, [](const KeypadLook& look) -> long long { return look.text[Group]; },
            [](KeypadLook& look, long long value) { look.text[Group] = static_cast<ColorRef>(value); }};
}

template <size_t Group> constexpr IntegerSetting FaceColor(const char* key) {
    return {key, 0, kLargestColor, [](const KeypadLook& look) -> long long { return look.face[Group]; },
            [](KeypadLook& look, long long value) { look.face[Group] = static_cast<ColorRef>(value); }};
}

constexpr size_t kFunction = static_cast<size_t>(KeyGroup::Function);
constexpr size_t kDigit = static_cast<size_t>(KeyGroup::Digit);
constexpr size_t kService = static_cast<size_t>(KeyGroup::Service);

// Stored in this order after the face name.
const IntegerSetting kIntegerSettings[] = {
    {"FontSize", kLowest, kHighest, [](const KeypadLook& look) -> long long { return look.font.height; },
     [](KeypadLook& look, long long value) { look.font.height = static_cast<int>(value); }},
    {"FontWeight", kLowest, kHighest, [](const KeypadLook& look) -> long long { return look.font.weight; },
     [](KeypadLook& look, long long value) { look.font.weight = static_cast<int>(value); }},
    // Only the low byte counts.
    {"FontItalic", kLowest, kHighest,
     [](const KeypadLook& look) -> long long { return look.font.italic ? 1 : 0; },
     [](KeypadLook& look, long long value) { look.font.italic = (value & 0xFF) != 0; }},
    TextColor<kFunction>("ColorTextFunction"),
    TextColor<kDigit>("ColorTextDigit"),
    TextColor<kService>("ColorTextService"),
    FaceColor<kFunction>("ColorFunction"),
    FaceColor<kDigit>("ColorDigit"),
    FaceColor<kService>("ColorService"),
    {"ColorTextSystem", kLowest, kHighest,
     [](const KeypadLook& look) -> long long { return look.systemText; },
     [](KeypadLook& look, long long value) { look.systemText = value != 0; }},
    {"ColorSystem", kLowest, kHighest, [](const KeypadLook& look) -> long long { return look.systemFace; },
     [](KeypadLook& look, long long value) { look.systemFace = value != 0; }},
    {"Style", 0, 3, [](const KeypadLook& look) -> long long { return static_cast<int>(look.style); },
     [](KeypadLook& look, long long value) { look.style = static_cast<KeypadStyle>(value); }},
};

} // namespace

KeypadLook DefaultKeypadLook(int dpiY) {
    KeypadLook look;
    look.text[kFunction] = 128;      // red 128, green 0, blue 0
    look.text[kDigit] = 3153984;     // red 64, green 32, blue 48
    look.text[kService] = 4739072;   // red 0, green 80, blue 72
    look.face[kFunction] = 10537215; // red 255, green 200, blue 160
    look.face[kDigit] = 12615935;    // red 255, green 128, blue 192
    look.face[kService] = 15266936;  // red 120, green 244, blue 232
    look.font = DefaultKeypadFont(dpiY);
    return look;
}

KeypadLook ReadKeypadLook(const QSettings& settings, int dpiY) {
    KeypadLook look = DefaultKeypadLook(dpiY);
    const QString face = settings.value(kSection + kFontFaceKey).toString();
    if (!face.isEmpty())
        look.font.face = face;
    for (const IntegerSetting& setting : kIntegerSettings) {
        bool ok = false;
        const long long value = settings.value(kSection + QLatin1String(setting.key)).toLongLong(&ok);
        if (ok && value >= setting.smallest && value <= setting.largest)
            setting.set(look, value);
    }
    return look;
}

void WriteKeypadLook(QSettings& settings, const KeypadLook& look) {
    settings.setValue(kSection + kFontFaceKey, look.font.face);
    for (const IntegerSetting& setting : kIntegerSettings)
        settings.setValue(kSection + QLatin1String(setting.key), setting.get(look));
}
