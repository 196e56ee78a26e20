#pragma once
// Sort order of the memory list: one direction per column, kept for the whole run,
// and the rules of a click on a column heading.

#include <array>
#include <vector>

#include "app/panes/memory_items.h"

namespace NCalculatorPanes {

enum class MemoryColumn : int { Include = 0, Number = 1, Cell = 2, Value = 3 };
inline constexpr int kMemoryColumnCount = 4;

struct MemorySortState {
    MemoryColumn column = MemoryColumn::Number;
    // Per column; the first click on "Incl" lists the included cells first.
    std::array<bool, kMemoryColumnCount> ascending{false, true, true, true};

    bool IsInsertionOrder() const { return column == MemoryColumn::Number && ascending[1]; }
    bool Ascending() const { return ascending[static_cast<int>(column)]; }
};

// Negative, zero or positive as item a sorts before, with or after item b in the
// ascending order of the column; a and b are indexes into items.
int CompareMemoryItems(const std::vector<MemoryItem>& items, int a, int b, MemoryColumn column);

// The rows in display order (indexes into items) for the column and direction.
// Rows that compare equal keep the store's order.
std::vector<int> SortedMemoryRows(const std::vector<MemoryItem>& items, const MemorySortState& state);

// A click on a heading: the same column reverses its direction, another column
// becomes the sort column, ascending except "Incl", which starts descending.
void ClickMemoryHeader(MemorySortState& state, MemoryColumn column);

} // namespace NCalculatorPanes
