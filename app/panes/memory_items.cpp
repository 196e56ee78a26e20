#include "app/panes/memory_items.h"

#include <algorithm>

namespace NCalculatorPanes {

std::vector<MemoryItem> ReadMemoryItems(const NCalculatorText::MemoryStore& store) {
    std::vector<MemoryItem> items;
    items.reserve(store.cells.size());
    for (const auto& [name, cell] : store.cells)
        items.push_back({name, cell.value, cell.selected != 0 ? 1 : 0});
    return items;
}

void StoreChecks(const std::vector<MemoryItem>& items, NCalculatorText::MemoryStore& store) {
    for (const MemoryItem& item : items) {
        const auto cell = store.cells.find(item.name);
        if (cell != store.cells.end())
            cell->second.selected = item.included;
    }
}

int CountIncluded(const std::vector<MemoryItem>& items) {
    return static_cast<int>(
        std::count_if(items.begin(), items.end(), [](const MemoryItem& item) { return item.included != 0; }));
}

FreeScope ChooseFreeScope(int includedRows, int rows) {
    if (includedRows == 0 || includedRows == rows)
        return rows == 0 ? FreeScope::Nothing : FreeScope::AllCells;
    return FreeScope::SelectedCells;
}

std::vector<Complex> StatisticsSample(const std::vector<MemoryItem>& items) {
    const bool onlyIncluded = CountIncluded(items) >= 2;
    std::vector<Complex> sample;
    for (const MemoryItem& item : items) {
        if (!onlyIncluded || item.included != 0)
            sample.push_back(item.value);
    }
    return sample;
}

std::array<bool, kMemoryButtonCount> EnabledMemoryButtons(std::size_t cells) {
    const bool any = cells >= 1;
    return {any, any, cells >= 2, any, any};
}

} // namespace NCalculatorPanes
