#pragma once
// The texts of the header and footer and their fallbacks when the room is too small,
// measured through a width function so that tests need no printer.

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>

#include "ui/print/print_settings.h"

using TextWidth = std::function<int(const QString&)>;

// The part after the last "/" or "\", or the whole path.
QString FileNameOfPath(const QString& path);

// Nothing is drawn when the text is empty and the logo is not shown.
struct HeaderChoice {
    QString text;
    bool logo = false;
};

// " Calculator file NAME", " Calculator memory file NAME" (a path ending in "m") or
// " Calculator unnamed file", then " File NAME", " NAME" with the logo, then NAME alone.
HeaderChoice ChooseHeader(const QString& pathName, int logoWidth, int room, const TextWidth& width);

// "14:05", "8 Dec 2026" or both with a space between; the month from the locale.
QString FooterText(const QDateTime& now, bool time, bool date, const QLocale& locale);
// The full text, else the date alone when both are on, else nothing.
QString ChooseFooter(const QDateTime& now, bool time, bool date, const QLocale& locale, int room,
                     const TextWidth& width);

QString NumberText(NumberFormat format, int page, int total);
// The chosen format, else the plain number, else nothing.
QString ChooseNumber(NumberFormat format, int page, int total, int room, const TextWidth& width);
