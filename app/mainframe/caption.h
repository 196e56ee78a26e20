#pragma once
// The main window's caption: application name first, then the document and its mark.

#include <QString>

inline constexpr char16_t kModifiedMark = u'\u00B0';
inline const QString kApplicationTitle = QStringLiteral("Vantor Calculator");

// " Vantor Calculator — Calculation" and, while modified, "°" behind the title.
QString ComposeCaption(bool hasDocument, const QString& documentTitle, bool modified);
