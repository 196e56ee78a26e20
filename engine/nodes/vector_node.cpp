#include "engine/nodes/vector_node.h"

#include "engine/state/engine_state.h"

namespace NCalculatorText {

bool CNodeVector::Evaluate(Complex&) {
    OperationScope scope(Operation::Vector);
    ReportStatus(StatusKind::NotSupported);
    return engineState.ok;
}

CNode* VectorArgument(CNode& node, std::size_t count) noexcept {
    if (node.children.size() != 1)
        return nullptr;
    CNode& child = *node.children.front();
    if (child.Kind() != NodeKind::Vector || child.children.size() != count)
        return nullptr;
    return &child;
}

} // namespace NCalculatorText
