#include "ui/print/page_texts.h"

QString FileNameOfPath(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

HeaderChoice ChooseHeader(const QString& pathName, int logoWidth, int room, const TextWidth& width) {
    const QString name = FileNameOfPath(pathName);
    QString full;
    if (pathName.isEmpty())
        full = QStringLiteral(" Calculator unnamed file");
    else if (pathName.endsWith(QLatin1Char('m'), Qt::CaseInsensitive))
        full = QStringLiteral(" Calculator memory file ") + name;
    else
        full = QStringLiteral(" Calculator file ") + name;
    const QString withLogo[] = {full, pathName.isEmpty() ? QString() : QStringLiteral(" File ") + name,
                                QStringLiteral(" ") + name};
    for (const QString& text : withLogo) {
        if (logoWidth + width(text) <= room)
            return {text, true};
    }
    if (!name.isEmpty() && width(name) <= room)
        return {name, false};
    return {};
}

QString FooterText(const QDateTime& now, bool time, bool date, const QLocale& locale) {
    QString text;
    if (time)
        text = now.time().toString(QStringLiteral("HH:mm"));
    if (date) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        const QDate day = now.date();
        text += QStringLiteral("%1 %2 %3")
                    .arg(day.day())
                    .arg(locale.monthName(day.month(), QLocale::ShortFormat))
                    .arg(day.year(), 4, 10, QLatin1Char('0'));
    }
    return text;
}

QString ChooseFooter(const QDateTime& now, bool time, bool date, const QLocale& locale, int room,
                     const TextWidth& width) {
    const QString full = FooterText(now, time, date, locale);
    if (width(full) <= room)
        return full;
    if (time && date) {
        const QString dateOnly = FooterText(now, false, true, locale);
        if (width(dateOnly) <= room)
            return dateOnly;
    }
    return {};
}

QString NumberText(NumberFormat format, int page, int total) {
    switch (format) {
    case NumberFormat::Dashed:
        return QStringLiteral("- %1 -").arg(page);
    case NumberFormat::OfTotal:
        return QStringLiteral("%1 of %2").arg(page).arg(total);
    case NumberFormat::Plain:
        break;
    }
    return QString::number(page);
}

QString ChooseNumber(NumberFormat format, int page, int total, int room, const TextWidth& width) {
    const QString chosen = NumberText(format, page, total);
    if (width(chosen) <= room)
        return chosen;
    const QString plain = NumberText(NumberFormat::Plain, page, total);
    if (format != NumberFormat::Plain && width(plain) <= room)
        return plain;
    return {};
}
