#pragma once
// Tells the desktop about the program and its file types: a desktop entry, a
// shared-mime-info package and icons, embedded under ":/desktop-data" as they lie under
// share/ once installed. A program run from a build folder registers them for the user
// at every start; one run from an installed prefix that carries them leaves that to the
// prefix and takes away what a build folder's run registered, which would hide it.

#include <QString>
#include <QStringList>

// $XDG_DATA_HOME, or ~/.local/share.
QString UserDataHome();

// The registration's files, relative to a data folder: "applications/vantor-calculator.desktop", ...
QStringList RegistrationFiles();

// "<prefix>/share" for a program in "<prefix>/bin"; empty for a program anywhere else.
QString PrefixDataFolder(const QString& executable);
// Whether dataFolder holds every file of the registration, as an install puts them there.
bool CarriesRegistration(const QString& dataFolder);

struct RegistrationResult {
    bool ok = false;      // every file is as it should be
    bool changed = false; // some file was written or removed, so the desktop's caches were refreshed
};

// Writes the registration for the program at executable under dataHome.
RegistrationResult RegisterFileTypes(const QString& dataHome, const QString& executable,
                                     bool refreshCaches = true);
// Removes what RegisterFileTypes wrote under dataHome, now or in an earlier version.
RegistrationResult RemoveFileTypes(const QString& dataHome, bool refreshCaches = true);

// At start-up: registers for the user, or removes that registration when the program's
// prefix carries its own. Failures are reported back but never stop the program.
RegistrationResult UpdateFileTypes(const QString& dataHome, const QString& executable,
                                   bool refreshCaches = true);
