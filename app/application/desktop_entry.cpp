#include "app/application/desktop_entry.h"

#include <QList>

QString DesktopExecQuoted(const QString& path) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (QChar c : path)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return path;
    QString quoted;
    for (QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // The desktop entry format escapes a backslash once more inside its string values.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray DesktopEntryFor(const QByteArray& entryTemplate, const QString& path) {
    return QByteArray(entryTemplate).replace("@EXEC@", DesktopExecQuoted(path).toUtf8());
}

bool IsRegistrationEntry(const QByteArray& entry) {
    for (const QByteArray& line : entry.split('\n')) {
        if (line.startsWith("Exec="))
            return line.startsWith("Exec=/") || line.startsWith("Exec=\"/");
    }
    return false;
}
