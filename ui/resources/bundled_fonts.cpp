#include "ui/resources/bundled_fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>

int LoadBundledFonts() {
    int loaded = 0;
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        if (QFontDatabase::addApplicationFont(fonts.filePath(name)) >= 0)
            ++loaded;
    }
    return loaded;
}

bool HasEqualAdvances(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal narrow = metrics.horizontalAdvance(QLatin1Char('i'));
    const qreal wide = metrics.horizontalAdvance(QLatin1Char('W'));
    const qreal digit = metrics.horizontalAdvance(QLatin1Char('0'));
    const qreal tolerance = 0.01 * digit;
    return digit > 0 && qAbs(narrow - digit) <= tolerance && qAbs(wide - digit) <= tolerance;
}

namespace {

QFont FontOf(const QString& family, int pointSize) {
    QFont font(family);
    font.setPointSize(pointSize);
    font.setStyleHint(QFont::TypeWriter, QFont::PreferAntialias);
    return font;
}

} // namespace

QFont FirstMonospacedFont(const QStringList& families, int pointSize) {
    for (const QString& family : families) {
        if (!QFontDatabase::hasFamily(family))
            continue;
        const QFont font = FontOf(family, pointSize);
        if (HasEqualAdvances(font))
            return font;
    }
    return FontOf(QString(), pointSize);
}

QFont MonospacedFont(const QString& family, int pointSize) {
    if (QFontDatabase::hasFamily(family))
        return FontOf(family, pointSize);
    QStringList candidates{kDefaultEditorFace, QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
    candidates += QFontDatabase::families();
    return FirstMonospacedFont(candidates, pointSize);
}
