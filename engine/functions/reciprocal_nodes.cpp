#include "engine/functions/reciprocal_nodes.h"

#include <cmath>

#include "engine/functions/angle_conversion.h"
#include "engine/nodes/complex_arithmetic.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

namespace {

// The denominator with overflow reports held back: true in `overflowed` when its
// hyperbolic factors overflowed, which makes the reciprocal 0 rather than an error.
Complex QuietDenominator(const ReciprocalFunction& function, const Complex& z, bool& overflowed) {
    const StatusKind previous = engineState.lastStatus;
    engineState.lastStatus = StatusKind::NoStatus;
    engineState.suppressOverflow = true;
    const Complex d = function.denominator(z);
    engineState.suppressOverflow = false;
    overflowed = engineState.lastStatus == StatusKind::Overflow;
    if (engineState.lastStatus == StatusKind::NoStatus)
        engineState.lastStatus = previous;
    return d;
}

bool UnderflowToZero(Complex& result) {
    ReportStatus(StatusKind::Underflow);
    result = {};
    return engineState.ok;
}

} // namespace

bool EvaluateReciprocalFunction(CNode& node, const ReciprocalFunction& function, Complex& result) {
    OperationScope scope(function.operation);
    Complex z;
    if (!EvaluateChild(node, 0, z))
        return false;
    if (function.angle == AngleRole::Argument && !ConvertArgumentToRadians(z))
        return false;

    bool overflowed = false;
    const Complex d = QuietDenominator(function, z, overflowed);
    if (overflowed)
        return UnderflowToZero(result);
    if (!engineState.ok)
        return false;
    if (!std::isfinite(d.re) || !std::isfinite(d.im))
        return UnderflowToZero(result);
    if (d.IsZero()) {
        ReportStatus(StatusKind::Singularity, z);
        return engineState.ok;
    }
    return ComplexDivide({1.0, 0.0}, d, result);
}

} // namespace NCalculatorText
