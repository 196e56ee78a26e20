#include "ui/print/print_settings.h"

#include <QSettings>

#include <algorithm>

PrintSettings printSettings;

namespace {

constexpr unsigned kFormatShift = 4;
constexpr unsigned kPositionShift = 7;
constexpr unsigned kFieldMask = 0x7;

enum class ValueKind { Integer, Face, Italic };

// One stored value: its name, its kind, and where it lives in the record.
struct SettingValue {
    const char* key;
    ValueKind kind;
    int PrintSettings::*integer = nullptr;
    PrintFont PrintSettings::*font = nullptr;
    int PrintFont::*fontInteger = nullptr;
};

// Written in this order.
const SettingValue kValues[] = {
    {"MarginLeft", ValueKind::Integer, &PrintSettings::marginLeft},
    {"MarginTop", ValueKind::Integer, &PrintSettings::marginTop},
    {"MarginRight", ValueKind::Integer, &PrintSettings::marginRight},
    {"MarginBottom", ValueKind::Integer, &PrintSettings::marginBottom},
    {"Items", ValueKind::Integer},
    {"TextFontFace", ValueKind::Face, nullptr, &PrintSettings::textFont},
    {"TextFontSize", ValueKind::Integer, nullptr, &PrintSettings::textFont, &PrintFont::size},
    {"TextFontWeight", ValueKind::Integer, nullptr, &PrintSettings::textFont, &PrintFont::weight},
    {"TextFontItalic", ValueKind::Italic, nullptr, &PrintSettings::textFont},
    {"ServiceFontFace", ValueKind::Face, nullptr, &PrintSettings::serviceFont},
    {"ServiceFontSize", ValueKind::Integer, nullptr, &PrintSettings::serviceFont, &PrintFont::size},
    {"ServiceFontWeight", ValueKind::Integer, nullptr, &PrintSettings::serviceFont, &PrintFont::weight},
    {"ServiceFontItalic", ValueKind::Italic, nullptr, &PrintSettings::serviceFont},
};

const QString kSection = QStringLiteral("Print/");

// The items field has no member pointer of type int: it is the one unsigned value.
long long Get(const PrintSettings& values, const SettingValue& value) {
    if (value.integer != nullptr)
        return values.*value.integer;
    if (value.font == nullptr)
        return values.items;
    const PrintFont& font = values.*value.font;
    return value.kind == ValueKind::Italic ? (font.italic ? 1 : 0) : font.*value.fontInteger;
}

void Set(PrintSettings& values, const SettingValue& value, long long stored) {
    if (value.integer != nullptr) {
        values.*value.integer = static_cast<int>(stored);
        return;
    }
    if (value.font == nullptr) {
        values.items = static_cast<unsigned>(stored);
        return;
    }
    PrintFont& font = values.*value.font;
    if (value.kind == ValueKind::Italic)
        font.italic = (stored & 0xFF) != 0;
    else
        font.*value.fontInteger = static_cast<int>(stored);
}

} // namespace

PageItems DecodeItems(unsigned items, ItemsReader reader) {
    PageItems decoded;
    decoded.fileInfo = (items & FileInfoBit) != 0;
    decoded.time = (items & TimeBit) != 0;
    decoded.date = (items & DateBit) != 0;
    decoded.number = (items & NumberBit) != 0;
    const unsigned format = (items >> kFormatShift) & kFieldMask;
    if (format <= 2)
        decoded.format = static_cast<NumberFormat>(format);
    else
        decoded.format = reader == ItemsReader::Printing ? NumberFormat::Plain : NumberFormat::OfTotal;
    decoded.position = static_cast<NumberPosition>(std::min((items >> kPositionShift) & kFieldMask, 3u));
    return decoded;
}

unsigned EncodeItems(const PageItems& items) {
    const auto bit = [](bool on, PrintItemBit value) { return on ? static_cast<unsigned>(value) : 0u; };
    return bit(items.fileInfo, FileInfoBit) | bit(items.time, TimeBit) | bit(items.date, DateBit) |
           bit(items.number, NumberBit) | static_cast<unsigned>(items.format) << kFormatShift |
           static_cast<unsigned>(items.position) << kPositionShift;
}

bool NumberInHeader(NumberPosition position) {
    return position == NumberPosition::HeaderCenter || position == NumberPosition::HeaderRight;
}

bool HeaderNeeded(const PageItems& items) {
    return items.fileInfo || (items.number && NumberInHeader(items.position));
}

bool FooterNeeded(const PageItems& items) {
    return items.time || items.date || (items.number && !NumberInHeader(items.position));
}

QString FontDescription(const PrintFont& font) {
    QString text = QStringLiteral("%1 %2 pt").arg(font.face).arg(static_cast<unsigned>(font.size));
    if (font.weight > 400)
        text += QStringLiteral(", bold");
    if (font.italic)
        text += QStringLiteral(", italic");
    return text;
}

PrintSettings ReadPrintSettings(const QSettings& settings) {
    PrintSettings values;
    for (const SettingValue& value : kValues) {
        const QVariant stored = settings.value(kSection + QLatin1String(value.key));
        if (!stored.isValid())
            continue;
        if (value.kind == ValueKind::Face) {
            (values.*value.font).face = stored.toString();
            continue;
        }
        bool ok = false;
        const long long number = stored.toLongLong(&ok);
        if (ok)
            Set(values, value, number);
    }
    return values;
}

void WritePrintSettings(QSettings& settings, const PrintSettings& values) {
    for (const SettingValue& value : kValues) {
        const QString key = kSection + QLatin1String(value.key);
        if (value.kind == ValueKind::Face)
            settings.setValue(key, (values.*value.font).face);
        else
            settings.setValue(key, Get(values, value));
    }
}
