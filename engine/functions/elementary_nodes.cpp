#include "engine/functions/elementary_nodes.h"

#include <cmath>

#include "engine/state/engine_state.h"

namespace NCalculatorText {

bool CNodeAbs::Evaluate(Complex& result) {
    OperationScope scope(Operation::AbsoluteValue);
    Complex z;
    if (!EvaluateChild(*this, 0, z))
        return false;
    result = {NCalculatorMath::Magnitude(z), 0.0};
    if (!std::isfinite(result.re))
        ReportStatus(StatusKind::Overflow, result);
    return engineState.ok;
}

} // namespace NCalculatorText
