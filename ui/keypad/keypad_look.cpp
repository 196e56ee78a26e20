#include "ui/keypad/keypad_look.h"

#include <QSettings>

#include <limits>
#include <optional>

namespace {

const QString kSection = QStringLiteral("GUI/Keypad/");

constexpr long long kLargestColor = 0x00FFFFFF;

// A stored integer inside the range, or nothing.
std::optional<long long> IntegerIn(const QVariant& stored, long long smallest, long long largest) {
    bool ok = false;
    const long long value = stored.toLongLong(&ok);
    if (!ok || value < smallest || value > largest)
        return std::nullopt;
    return value;
}

std::optional<int> AnyInteger(const QVariant& stored) {
    const std::optional<long long> value =
        IntegerIn(stored, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

// A value of the section: its name, how a stored value fills the look (a missing or
// invalid one leaves the default) and what is stored from the look.
struct LookSetting {
    const char* key;
    void (*read)(KeypadLook& look, const QVariant& stored);
    QVariant (*write)(const KeypadLook& look);
};

template <size_t Group> constexpr LookSetting TextColor(const char* key) {
    return {key,
            [](KeypadLook& look, const QVariant& stored) {
                if (const auto value = IntegerIn(stored, 0, kLargestColor))
                    look.text[Group] = static_cast<ColorRef>(*value);
            },
            [](const KeypadLook& look) { return QVariant(look.text[Group]); }};
}

template <size_t Group> constexpr LookSetting FaceColor(const char* key) {
    return {key,
            [](KeypadLook& look, const QVariant& stored) {
                if (const auto value = IntegerIn(stored, 0, kLargestColor))
                    look.face[Group] = static_cast<ColorRef>(*value);
            },
            [](const KeypadLook& look) { return QVariant(look.face[Group]); }};
}

constexpr size_t kFunction = static_cast<size_t>(KeyGroup::Function);
constexpr size_t kDigit = static_cast<size_t>(KeyGroup::Digit);
constexpr size_t kService = static_cast<size_t>(KeyGroup::Service);

// In the order they are written.
const LookSetting kSettings[] = {
    {"FontSize",
     [](KeypadLook& look, const QVariant& stored) {
         if (const auto value = AnyInteger(stored))
             look.font.height = *value;
     },
     [](const KeypadLook& look) { return QVariant(look.font.height); }},
    {"FontWeight",
     [](KeypadLook& look, const QVariant& stored) {
         if (const auto value = AnyInteger(stored))
             look.font.weight = *value;
     },
     [](const KeypadLook& look) { return QVariant(look.font.weight); }},
    // Only the low byte counts.
    {"FontItalic",
     [](KeypadLook& look, const QVariant& stored) {
         if (const auto value = AnyInteger(stored))
             look.font.italic = (*value & 0xFF) != 0;
     },
     [](const KeypadLook& look) { return QVariant(look.font.italic ? 1 : 0); }},
    {"FontFace",
     [](KeypadLook& look, const QVariant& stored) {
         if (const QString face = stored.toString(); !face.isEmpty())
             look.font.face = face;
     },
     [](const KeypadLook& look) { return QVariant(look.font.face); }},
    TextColor<kFunction>("ColorTextFunction"),
    TextColor<kDigit>("ColorTextDigit"),
    TextColor<kService>("ColorTextService"),
    FaceColor<kFunction>("ColorFunction"),
    FaceColor<kDigit>("ColorDigit"),
    FaceColor<kService>("ColorService"),
    {"ColorTextSystem",
     [](KeypadLook& look, const QVariant& stored) {
         if (const auto value = AnyInteger(stored))
             look.systemText = *value != 0;
     },
     [](const KeypadLook& look) { return QVariant(look.systemText ? 1 : 0); }},
    {"ColorSystem",
     [](KeypadLook& look, const QVariant& stored) {
         if (const auto value = AnyInteger(stored))
             look.systemFace = *value != 0;
     },
     [](const KeypadLook& look) { return QVariant(look.systemFace ? 1 : 0); }},
    // Any value but 0 to 3 reads as the Vantor style.
    {"Style",
     [](KeypadLook& look, const QVariant& stored) {
         if (const auto value = IntegerIn(stored, 0, 3))
             look.style = static_cast<KeypadStyle>(*value);
     },
     [](const KeypadLook& look) { return QVariant(static_cast<int>(look.style)); }},
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
    for (const LookSetting& setting : kSettings)
        setting.read(look, settings.value(kSection + QLatin1String(setting.key)));
    return look;
}

void WriteKeypadLook(QSettings& settings, const KeypadLook& look) {
    for (const LookSetting& setting : kSettings)
        settings.setValue(kSection + QLatin1String(setting.key), setting.write(look));
}
