#include "app/application/file_types.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes only when the content differs; tells whether it did.
bool WriteIfDifferent(const QString& path, const QByteArray& content, bool& failed) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return false;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        failed = true;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        failed = true;
        return false;
    }
    return true;
}

} // namespace

QString MimeTypeOf(const QString& typeId) {
    return QStringLiteral("application/vnd.") + typeId.toLower();
}

QString MimeIconOf(const QString& typeId) {
    return MimeTypeOf(typeId).replace(QLatin1Char('/'), QLatin1Char('-'));
}

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

QString ExpandTemplate(QString text, const QHash<QString, QString>& values) {
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        text.replace(QLatin1Char('@') + it.key() + QLatin1Char('@'), it.value());
    return text;
}

QString UserDataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

RegistrationResult RegisterFileTypes(const QString& dataHome, const QString& executable, bool refreshCaches) {
    const QHash<QString, QString> values = {
        {QStringLiteral("EXEC"), DesktopExecQuoted(executable)},
        {QStringLiteral("ICON"), QStringLiteral("vantor-calculator")},
        {QStringLiteral("CALCULATION_MIME"), MimeTypeOf(kCalculationTypeId)},
        {QStringLiteral("MEMORY_MIME"), MimeTypeOf(kMemoryTypeId)},
        {QStringLiteral("CALCULATION_ICON"), MimeIconOf(kCalculationTypeId)},
        {QStringLiteral("MEMORY_ICON"), MimeIconOf(kMemoryTypeId)},
    };
    const QDir data(dataHome);
    const QString icons = QStringLiteral("icons/hicolor/scalable/");
    struct Output {
        QString path;
        QByteArray content;
    };
    const Output outputs[] = {
        {data.filePath(QStringLiteral("applications/vantor-calculator.desktop")),
         ExpandTemplate(QString::fromUtf8(ReadResource(QStringLiteral(":/vantor-calculator.desktop"))),
                        values)
             .toUtf8()},
        {data.filePath(QStringLiteral("mime/packages/vantor-calculator.xml")),
         ExpandTemplate(QString::fromUtf8(ReadResource(QStringLiteral(":/vantor-calculator-mime.xml"))),
                        values)
             .toUtf8()},
        {data.filePath(icons + QStringLiteral("apps/vantor-calculator.svg")),
         ReadResource(QStringLiteral(":/icons/application.svg"))},
        {data.filePath(icons + QStringLiteral("mimetypes/") + MimeIconOf(kCalculationTypeId) +
                       QStringLiteral(".svg")),
         ReadResource(QStringLiteral(":/icons/calculation-file.svg"))},
        {data.filePath(icons + QStringLiteral("mimetypes/") + MimeIconOf(kMemoryTypeId) +
                       QStringLiteral(".svg")),
         ReadResource(QStringLiteral(":/icons/memory-file.svg"))},
    };
    RegistrationResult result;
    bool failed = false;
    for (const Output& output : outputs) {
        if (output.content.isEmpty()) {
            failed = true;
            continue;
        }
        result.changed = WriteIfDifferent(output.path, output.content, failed) || result.changed;
    }
    result.written = !failed;
    if (result.changed && refreshCaches) {
        QProcess::startDetached(QStringLiteral("update-mime-database"),
                                {data.filePath(QStringLiteral("mime"))});
        QProcess::startDetached(QStringLiteral("update-desktop-database"),
                                {data.filePath(QStringLiteral("applications"))});
    }
    return result;
}
