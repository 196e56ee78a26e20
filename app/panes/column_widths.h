#pragma once
// Column widths of the log and memory lists, kept in the settings store between runs.
// A missing or unusable value takes the width of a sample text in the list's font,
// plus the cell's own text margins so that the sample shows without being cut.

#include <span>

#include <QList>
#include <QString>

class QFont;
class QHeaderView;
class QSettings;
class QWidget;

namespace NCalculatorPanes {

struct ColumnWidthSetting {
    const char* key;        // value name inside the section, e.g. "NumberWidth"
    const char* sampleText; // its default is this text's width
};

QList<int> ReadColumnWidths(QSettings& settings, const QString& section,
                            std::span<const ColumnWidthSetting> columns, const QFont& font, int cellMargins);

void WriteColumnWidths(QSettings& settings, const QString& section,
                       std::span<const ColumnWidthSetting> columns, const QList<int>& widths);

// The widths of a header's sections in logical order (as the columns were created,
// whatever order the user dragged them into).
QList<int> SectionWidths(const QHeaderView& header);
void SetSectionWidths(QHeaderView& header, const QList<int>& widths);

// The width of a list's last column that takes what the other columns leave of the
// list's `available` width, but never less than `least` (its own stored or default
// width): a list too narrow for both scrolls rather than cutting the column.
int FillingWidth(const QList<int>& otherWidths, int available, int least);

// Both text margins of a cell of the view, as its style draws them.
int CellTextMargins(const QWidget& view);

} // namespace NCalculatorPanes
