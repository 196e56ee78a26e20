#pragma once
// The process-wide memory cells, shared by every statement and calculation, the
// memory pane, the statistics and the memory files.

#include <cstdint>
#include <map>
#include <string>

#include "numeric/complex.h"

namespace NCalculatorText {

struct MemoryCell {
    Complex value{};
    std::int32_t selected = 0; // the memory pane's mark; 0 for a new cell
};

struct MemoryStore {
    // Keyed by name, compared code unit by code unit (ordinal, case-sensitive).
    std::map<std::u16string, MemoryCell> cells;
    // Raised by every read through a memory node, every store and every clear;
    // the memory pane lowers it when it refreshes.
    bool changed = false;
};

extern MemoryStore memoryStore;

// Removes every cell, or only the selected ones.
void ClearMemory(bool all);

// The text of a memory file: U+FEFF, then one store statement per cell (every cell,
// or the selected ones) in map order. Running it as a calculation stores the
// same values back.
std::u16string WriteMemoryText(bool all);

} // namespace NCalculatorText
