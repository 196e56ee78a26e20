#pragma once
// Headings and alignment shared by the log and memory lists: the number column is
// right-aligned, every other column left-aligned, all vertically centred.

#include <span>

#include <QVariant>
#include <Qt>

namespace NCalculatorPanes {

Qt::Alignment ColumnAlignment(int column, int numberColumn);

// What a list model's headerData gives for a horizontal section.
QVariant ColumnHeading(std::span<const char* const> headings, int numberColumn, int section,
                       Qt::Orientation orientation, int role);

} // namespace NCalculatorPanes
