#include "engine/nodes/variable_nodes.h"

#include "engine/state/engine_state.h"

namespace NCalculatorText {

bool CNodeVariable::Evaluate(Complex& result) {
    OperationScope scope(Operation::Index);
    if (uninitialised)
        ReportStatus(StatusKind::UninitializedMemory);
    result = value;
    return engineState.ok;
}

} // namespace NCalculatorText
