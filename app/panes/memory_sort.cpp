#include "app/panes/memory_sort.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace NCalculatorPanes {

namespace {

template <typename T> int ThreeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

int CompareMemoryItems(const std::vector<MemoryItem>& items, int a, int b, MemoryColumn column) {
    const MemoryItem& x = items[static_cast<std::size_t>(a)];
    const MemoryItem& y = items[static_cast<std::size_t>(b)];
    switch (column) {
    case MemoryColumn::Include:
        return ThreeWay(x.included, y.included);
    case MemoryColumn::Number:
        return ThreeWay(a, b);
    case MemoryColumn::Cell:
        // std::u16string compares char16_t code units as unsigned numbers: ordinal order.
        return x.name.compare(y.name) < 0 ? -1 : (x.name == y.name ? 0 : 1);
    case MemoryColumn::Value:
        // Real parts only; a NaN compares equal to everything, so keep it out of the
        // ordering (after every number) to stay a strict weak order.
        if (std::isnan(x.value.re) || std::isnan(y.value.re))
            return ThreeWay(std::isnan(x.value.re), std::isnan(y.value.re));
        return ThreeWay(x.value.re, y.value.re);
    }
    return 0;
}

std::vector<int> SortedMemoryRows(const std::vector<MemoryItem>& items, const MemorySortState& state) {
    std::vector<int> rows(items.size());
    std::iota(rows.begin(), rows.end(), 0);
    if (state.IsInsertionOrder())
        return rows;
    const int sign = state.Ascending() ? 1 : -1;
    std::stable_sort(rows.begin(), rows.end(),
                     [&](int a, int b) { return sign * CompareMemoryItems(items, a, b, state.column) < 0; });
    return rows;
}

void ClickMemoryHeader(MemorySortState& state, MemoryColumn column) {
    const int index = static_cast<int>(column);
    if (column == state.column) {
        state.ascending[index] = !state.ascending[index];
        return;
    }
    state.column = column;
    state.ascending[index] = column != MemoryColumn::Include;
}

} // namespace NCalculatorPanes
