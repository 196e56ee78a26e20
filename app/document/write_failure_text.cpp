#include "app/document/write_failure_text.h"

#include <QDir>
#include <QFileInfo>

QString WriteFailureText(const QString& headline, const QString& path, const QString& reason) {
    const QString where = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    return QStringLiteral("%1\n\u201C%2\u201D: %3").arg(headline, where, reason);
}
