#pragma once
// The fonts the program carries inside itself, so the editor's default face is there
// without being installed.

#include <QFont>
#include <QString>

// Registers every embedded font with the application; returns how many were taken.
int LoadBundledFonts();

// The editor's default face.
inline const QString kDefaultEditorFace = QStringLiteral("Roboto Mono");

// A font of that face which, when the face is absent, falls back to a monospaced one.
QFont MonospacedFont(const QString& family, int pointSize);
