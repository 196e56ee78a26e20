#include "engine/functions/logarithm_nodes.h"

#include <cmath>

#include "engine/functions/gamma_nodes.h"
#include "engine/functions/unary_function_node.h"
#include "engine/state/engine_state.h"
#include "numeric/elementary.h"

namespace NCalculatorText {

namespace {

constexpr double kLog10OfE = 0.4342944819032518; // 1 / ln 10

// The argument with a zero imaginary part taken as +0: a negative number has argument pi.
double Argument(const Complex& z) noexcept {
    return std::atan2(z.im == 0.0 ? 0.0 : z.im, z.re);
}

Complex DecimalLogarithm(const Complex& z) noexcept {
    const double theta = Argument(z);
    if (std::isnan(theta))
        return {theta, theta};
    return {NCalculatorMath::DecimalLogMagnitude(z), theta * kLog10OfE};
}

// Operation bookkeeping, the argument, the zero test and the finiteness check around `compute`.
template <class Compute>
bool EvaluateLogarithm(CNode& node, Operation operation, bool skipZeroTest, Compute compute,
                       Complex& result) {
    OperationScope scope(operation);
    Complex z;
    if (!EvaluateChild(node, 0, z))
        return false;
    if (!skipZeroTest && z.IsZero()) {
        ReportStatus(StatusKind::Singularity, z);
        return engineState.ok;
    }
    result = compute(z);
    return CheckFinite(result);
}

} // namespace

bool CNodeLn::ParseArguments() {
    if (!CNode::ParseArguments())
        return false;
    if (auto* gammaChild = dynamic_cast<CGammaFamilyNode*>(children.front().get())) {
        gammaChild->GiveLogarithm();
        childGivesLogarithm_ = true;
    }
    return true;
}

bool CNodeLn::Evaluate(Complex& result) {
    if (childGivesLogarithm_)
        return EvaluateLogarithm(
            *this, Operation::NaturalLogarithm, true, [](const Complex& z) { return z; }, result);
    return EvaluateLogarithm(
        *this, Operation::NaturalLogarithm, false,
        [](const Complex& z) {
            return NCalculatorMath::Log({z.re, z.im == 0.0 ? 0.0 : z.im});
        },
        result);
}

bool CNodeLg::Evaluate(Complex& result) {
    return EvaluateLogarithm(*this, Operation::DecimalLogarithm, false, &DecimalLogarithm, result);
}

} // namespace NCalculatorText
