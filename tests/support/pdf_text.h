#pragma once
// Reading printed PDF files back with poppler's tools, for the printing tests.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The tool's standard output, or a line saying how it failed.
inline QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PageCount(const QString& pdf) {
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The page's non-empty lines, trimmed, with runs of spaces made one.
inline QStringList PageLines(const QString& pdf, int page) {
    const QString text = Run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                              QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.simplified().remove(QChar(0x0C));
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}
