#pragma once
// How the styled controls size themselves to their text.

#include <QRectF>
#include <QSize>

class QFont;
class QString;

// The text's box as laid out from a baseline at (0, 0): advance wide, line high.
QRectF TextBox(const QString& text, const QFont& font);

// A capsule button: the text with room for the round ends (1.9 line heights), and a
// height of 2.1 times the font size.
QSize ButtonPreferredSize(const QRectF& textBox, double dpiY, double points);
// A line of text: its box, rounded up.
QSize TextPreferredSize(const QRectF& textBox);
