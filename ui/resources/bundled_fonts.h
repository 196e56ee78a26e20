#pragma once
// The fonts the program carries inside itself, so the editor's default face is there
// without being installed.

#include <QFont>
#include <QString>
#include <QStringList>

// Registers every embedded font with the application; returns how many were taken.
int LoadBundledFonts();

// The editor's default face.
inline const QString kDefaultEditorFace = QStringLiteral("Roboto Mono");

// Whether "i", "W" and "0" advance alike in the font. Measured, because fontconfig's
// spacing property, which QFontInfo::fixedPitch() reads, is missing from many faces.
bool HasEqualAdvances(const QFont& font);

// The first of the families that is installed and has equal advances, at that size;
// the application's default family when none is.
QFont FirstMonospacedFont(const QStringList& families, int pointSize);

// A font of that face; when the face is not installed, the bundled editor face (or, had
// the build no copy of it, some installed monospaced face) instead.
QFont MonospacedFont(const QString& family, int pointSize);
