#include "ui/resources/bundled_fonts.h"

#include <QDir>
#include <QFontDatabase>

int LoadBundledFonts() {
    int loaded = 0;
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        if (QFontDatabase::addApplicationFont(fonts.filePath(name)) >= 0)
            ++loaded;
    }
    return loaded;
}

QFont MonospacedFont(const QString& family, int pointSize) {
    QFont font(family);
    font.setPointSize(pointSize);
    font.setStyleHint(QFont::TypeWriter, QFont::PreferAntialias);
    font.setFixedPitch(true);
    return font;
}
