#include "engine/functions/gamma_nodes.h"

#include <cmath>

#include "engine/functions/unary_function_node.h"
#include "engine/state/engine_state.h"
#include "numeric/gamma.h"

namespace NCalculatorText {

bool CGammaFamilyNode::EvaluateShifted(Operation operation, double shift, Complex& result) {
    OperationScope scope(operation);
    Complex z;
    if (!EvaluateChild(*this, 0, z))
        return false;
    if (z.im == 0.0 && z.re < 1.0 - shift && z.re == std::floor(z.re)) {
        ReportStatus(StatusKind::Singularity, z);
        return engineState.ok;
    }
    const Complex argument{z.re + shift, z.im};
    result = givesLogarithm_ ? NCalculatorMath::LogGamma(argument) : NCalculatorMath::Gamma(argument);
    return CheckFinite(result);
}

bool CNodeFactorial::Evaluate(Complex& result) {
    return EvaluateShifted(Operation::Factorial, 1.0, result);
}

bool CNodeGamma::Evaluate(Complex& result) {
    return EvaluateShifted(Operation::GammaFunction, 0.0, result);
}

} // namespace NCalculatorText
