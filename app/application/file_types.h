#pragma once
// Registers the calculation and memory file types for the user: a desktop entry and a
// shared-mime-info package naming the program, written at every start.

#include <QHash>
#include <QString>

inline const QString kCalculationTypeId = QStringLiteral("Vantor.Calculator.Calculation");
inline const QString kMemoryTypeId = QStringLiteral("Vantor.Calculator.Memory");

// "Vantor.Calculator.Memory" as a media type: "application/vnd.vantor.calculator.memory".
QString MimeTypeOf(const QString& typeId);
// The icon name the desktop gives a media type by default.
QString MimeIconOf(const QString& typeId);

// The program's path as the Exec key of a desktop entry wants it.
QString DesktopExecQuoted(const QString& path);
// Replaces every "@NAME@" by its value.
QString ExpandTemplate(QString text, const QHash<QString, QString>& values);

// $XDG_DATA_HOME, or ~/.local/share.
QString UserDataHome();

struct RegistrationResult {
    bool written = false; // every file is in place
    bool changed = false; // some file differed, so the desktop's caches were refreshed
};

// Failures are reported back but never stop the program.
RegistrationResult RegisterFileTypes(const QString& dataHome, const QString& executable,
                                     bool refreshCaches = true);
