#pragma once
// The one key of the desktop entry that differs between an installed program and one
// registered for the user: Exec, which starts the program.

#include <QByteArray>
#include <QString>

// The program's path as the Exec key of a desktop entry wants it.
QString DesktopExecQuoted(const QString& path);

// The entry template with its "@EXEC@" filled in for the program at path.
QByteArray DesktopEntryFor(const QByteArray& entryTemplate, const QString& path);

// Whether an entry is one the per-user registration wrote: it starts the program by its
// absolute path. An entry the user made over the installed one (as a menu editor does)
// starts it by name, and is the user's own.
bool IsRegistrationEntry(const QByteArray& entry);
