#include "app/panes/column_heading.h"

#include <QString>

namespace NCalculatorPanes {

Qt::Alignment ColumnAlignment(int column, int numberColumn) {
    return (column == numberColumn ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QVariant ColumnHeading(std::span<const char* const> headings, int numberColumn, int section,
                       Qt::Orientation orientation, int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(headings.size()))
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(headings[static_cast<std::size_t>(section)]);
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(ColumnAlignment(section, numberColumn));
    return {};
}

} // namespace NCalculatorPanes
