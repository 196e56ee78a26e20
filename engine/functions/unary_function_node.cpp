#include "engine/functions/unary_function_node.h"

#include <cmath>

#include "engine/functions/angle_conversion.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

bool IsSingularPoint(SingularPoints points, const Complex& z) noexcept {
    switch (points) {
    case SingularPoints::None:
        return false;
    case SingularPoints::Zero:
        return z.IsZero();
    case SingularPoints::PlusMinusI:
        return z.re == 0.0 && (z.im == 1.0 || z.im == -1.0);
    case SingularPoints::PlusMinusOne:
        return z.im == 0.0 && (z.re == 1.0 || z.re == -1.0);
    }
    return false;
}

bool CheckFinite(const Complex& r) noexcept {
    if (engineState.ok && !(std::isfinite(r.re) && std::isfinite(r.im)))
        ReportStatus(StatusKind::Overflow);
    return engineState.ok;
}

bool EvaluateUnaryFunction(CNode& node, const UnaryFunction& function, Complex& result) {
    OperationScope scope(function.operation);
    Complex z;
    if (!EvaluateChild(node, 0, z))
        return false;
    if (IsSingularPoint(function.singular, z)) {
        ReportStatus(StatusKind::Singularity, z);
        return engineState.ok;
    }
    if (function.angle == AngleRole::Argument && !ConvertArgumentToRadians(z))
        return false;
    result = function.kernel(z);
    if (!CheckFinite(result))
        return false;
    if (function.angle == AngleRole::Result)
        ConvertResultFromRadians(result);
    return engineState.ok;
}

} // namespace NCalculatorText
