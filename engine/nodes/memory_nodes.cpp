#include "engine/nodes/memory_nodes.h"

#include "engine/parser/bracket_store.h"
#include "engine/parser/recognizers.h"
#include "engine/state/engine_state.h"
#include "engine/state/memory_store.h"

namespace NCalculatorText {

namespace {

bool IsWhiteSpace(char16_t unit) noexcept {
    return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r' || unit == u'\v' || unit == u'\f';
}

std::u16string Trimmed(std::u16string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsWhiteSpace(text[begin]))
        ++begin;
    while (end > begin && IsWhiteSpace(text[end - 1]))
        --end;
    return std::u16string(text.substr(begin, end - begin));
}

} // namespace

bool CNodeMemory::ParseArguments() {
    if (arguments.size() != 1)
        return false;
    std::u16string content;
    if (!bracketStore.TakeGroup(arguments.front(), content))
        return false;
    cellName_ = Trimmed(content);
    return true;
}

bool CNodeMemory::Evaluate(Complex& result) {
    OperationScope scope(Operation::Memory);
    const auto cell = memoryStore.cells.find(cellName_);
    if (cell == memoryStore.cells.end()) {
        ReportStatus(StatusKind::UninitializedMemory);
        result = {};
    } else {
        result = cell->second.value;
        memoryStore.changed = true;
    }
    return engineState.ok;
}

bool CNodeStore::ParseArguments() {
    if (arguments.size() != 2 || !ParseChild(arguments[0]))
        return false;
    std::unique_ptr<CNode> target = RecognizeMemoryCell(arguments[1]);
    if (target == nullptr || !target->ParseArguments())
        return false;
    children.push_back(std::move(target));
    return true;
}

bool CNodeStore::Evaluate(Complex& result) {
    Complex value;
    if (!EvaluateChild(*this, 0, value))
        return false;
    const auto& target = static_cast<const CNodeMemory&>(*children[1]);
    MemoryCell& cell = memoryStore.cells[target.CellName()];
    cell.value = value;
    memoryStore.changed = true;
    result = value;
    return engineState.ok;
}

} // namespace NCalculatorText
