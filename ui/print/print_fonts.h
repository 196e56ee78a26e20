#pragma once
// The fonts of a print job, made for the printer's resolution.

#include <QFont>

#include <optional>

#include "ui/print/print_settings.h"

// Its height is the size in points at dpiY, in device pixels; nothing when the setting
// names no face or no positive size.
std::optional<QFont> PrinterFont(const PrintFont& font, int dpiY);
// The same font for the screen's font chooser, at the screen's resolution.
QFont ScreenFont(const PrintFont& font, int dpiY);
// What the font chooser gave back, as a setting.
PrintFont PrintFontFromChosen(const QFont& chosen, int dpiY);
