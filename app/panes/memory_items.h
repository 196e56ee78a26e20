#pragma once
// The memory pane's copy of the engine's memory cells, and what its buttons decide
// from the check boxes. Plain functions so that tests need no window.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/state/memory_store.h"
#include "numeric/complex.h"

namespace NCalculatorPanes {

struct MemoryItem {
    std::u16string name;
    Complex value{};
    std::int32_t included = 0; // 0 or 1: the row's check box
};

// Every cell of the store, in the store's order, with its selected flag as the check box.
std::vector<MemoryItem> ReadMemoryItems(const NCalculatorText::MemoryStore& store);

// Writes each item's check box into the selected flag of the cell of the same name;
// items whose cell no longer exists are skipped.
void StoreChecks(const std::vector<MemoryItem>& items, NCalculatorText::MemoryStore& store);

int CountIncluded(const std::vector<MemoryItem>& items);

// What Free erases: with no check box set, or every one, the whole store (the user
// asked for all of it); with some set, only those.
enum class FreeScope { Nothing, AllCells, SelectedCells };
FreeScope ChooseFreeScope(int includedRows, int rows);

// The values the statistics are computed over, in the store's order: the checked
// items when at least two are checked, else every item.
std::vector<Complex> StatisticsSample(const std::vector<MemoryItem>& items);

enum class MemoryButton : int { Free = 0, Save, Statistics, Invert, Clear };
inline constexpr int kMemoryButtonCount = 5;

// Which buttons a list of this many cells enables, in the order of MemoryButton:
// Statistics needs two cells, the others one.
std::array<bool, kMemoryButtonCount> EnabledMemoryButtons(std::size_t cells);

} // namespace NCalculatorPanes
