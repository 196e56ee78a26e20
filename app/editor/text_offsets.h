#pragma once
// The editor widget keeps one character per line break; the document counts CR LF as
// two code units. These functions are the one place where the two meet.

#include <QString>

#include <span>
#include <string>
#include <vector>

// The widget's raw text (blocks joined by U+2029) as the document's text, with CR LF.
std::u16string DocumentTextFromRaw(const QString& raw);

// The document's text as the widget's plain text: every CR LF, lone CR, lone LF and
// U+2028 / U+2029 becomes one line break.
QString WidgetTextFromDocument(std::u16string_view text);

// Widget position in the raw text to document offset: each break before it counts twice.
int DocumentOffsetFromWidget(const QString& raw, int position);

// Document offset to widget position; an offset inside a CR LF lands after the break,
// one beyond the text at its end.
int WidgetPositionFromDocument(const QString& raw, int offset);

// WidgetPositionFromDocument for many offsets in one pass over the text; the offsets
// must come in ascending order.
std::vector<int> WidgetPositionsFromDocument(const QString& raw, std::span<const int> ascendingOffsets);

// Length of the raw text as the document counts it.
int DocumentLength(const QString& raw);

// The offset one character before offset: a line break and a surrogate pair are one
// character each, so a step back never splits them.
int PreviousCharacterOffset(const QString& raw, int offset);
