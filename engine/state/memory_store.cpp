#include "engine/state/memory_store.h"

#include <iterator>

#include "engine/core/format.h"

namespace NCalculatorText {

MemoryStore memoryStore;

void ClearMemory(bool all) {
    memoryStore.changed = true;
    if (all) {
        memoryStore.cells.clear();
        return;
    }
    std::erase_if(memoryStore.cells, [](const auto& entry) { return entry.second.selected != 0; });
}

std::u16string WriteMemoryText(bool all) {
    std::u16string text(1, u'\uFEFF');
    for (const auto& [name, cell] : memoryStore.cells) {
        if (!all && cell.selected == 0)
            continue;
        text += FormatComplex(cell.value, MemoryFileFormat());
        text += u"->mem[";
        text += name;
        text += u"];\r\n";
    }
    return text;
}

} // namespace NCalculatorText
