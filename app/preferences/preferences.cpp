#include "app/preferences/preferences.h"

#include <QSettings>

#include <limits>
#include <optional>

namespace {

const QString kPreferencesGroup = QStringLiteral("Preferences");
const QString kFontSizeKey = QStringLiteral("GUI/Editor/FontSize");

// A stored value counts when it is a whole number that fits in 32 bits, read either way.
std::optional<std::uint32_t> ThirtyTwoBitValue(const QVariant& stored) {
    if (!stored.isValid())
        return std::nullopt;
    bool ok = false;
    const qlonglong number = stored.toString().trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > static_cast<qlonglong>(std::numeric_limits<std::uint32_t>::max()))
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

} // namespace

const std::array<PreferenceField, 9> kPreferenceFields = {{
    {"Notation", &Preferences::notation, 0, 1},
    {"FormatI", &Preferences::formatI, 0, 1},
    {"GammaFunction", &Preferences::gammaFunction, 0, kAnyValue},
    {"LogPopup", &Preferences::logPopup, 1, kAnyValue},
    {"TrigonometricUnits", &Preferences::trigonometricUnits, 0, 2},
    {"FreeConfirmation", &Preferences::freeConfirmation, 0, kAnyValue},
    {"ClearConfirmation", &Preferences::clearConfirmation, 0, kAnyValue},
    {"UseSSE2", &Preferences::useSSE2, 0, kAnyValue},
    {"SyntaxHighlighting", &Preferences::syntaxHighlighting, 1, kAnyValue},
}};

PreferenceStore preferenceStore;

int ClampFontSize(long long size) {
    if (size < kSmallestFontSize)
        return kSmallestFontSize;
    if (size > kLargestFontSize)
        return kLargestFontSize;
    return static_cast<int>(size);
}

Preferences LoadPreferences(QSettings& settings) {
    Preferences values;
    settings.beginGroup(kPreferencesGroup);
    for (const PreferenceField& field : kPreferenceFields) {
        const std::optional<std::uint32_t> stored =
            ThirtyTwoBitValue(settings.value(QLatin1String(field.name)));
        const bool valid = stored && *stored <= field.largestValid;
        values.*field.member = valid ? static_cast<std::int32_t>(*stored) : field.defaultValue;
    }
    settings.endGroup();

    bool ok = false;
    const qlonglong size = settings.value(kFontSizeKey).toString().trimmed().toLongLong(&ok);
    values.fontSize = ClampFontSize(ok ? size : Preferences{}.fontSize);
    return values;
}

void WritePreferences(QSettings& settings, const Preferences& values) {
    settings.beginGroup(kPreferencesGroup);
    for (const PreferenceField& field : kPreferenceFields)
        settings.setValue(QLatin1String(field.name), values.*field.member);
    settings.endGroup();
    settings.setValue(kFontSizeKey, values.fontSize);
    settings.sync();
}

void SavePreferences(QSettings& settings, const PreferenceStore& store) {
    if (!store.changed || !settings.isWritable())
        return;
    WritePreferences(settings, store.values);
}

bool UsesSSE2(const PreferenceStore& store) {
    return store.sse2Available && store.values.useSSE2 != 0;
}
