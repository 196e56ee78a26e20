#include "engine/functions/power_node.h"

#include "engine/functions/unary_function_node.h"
#include "engine/nodes/vector_node.h"
#include "engine/state/engine_state.h"
#include "numeric/elementary.h"

namespace NCalculatorText {

namespace {

// The operator form has the two operands as children; the function form one vector
// of exactly two elements. Nullptr for anything else.
CNode* Operands(CNode& node) noexcept {
    if (node.children.size() == 2)
        return &node;
    return VectorArgument(node, 2);
}

} // namespace

bool CNodePow::Evaluate(Complex& result) {
    OperationScope scope(Operation::Power);
    CNode* operands = Operands(*this);
    if (operands == nullptr) {
        ReportStatus(StatusKind::SyntaxError);
        return engineState.ok;
    }
    Complex base, exponent;
    if (!EvaluateChild(*operands, 0, base) || !EvaluateChild(*operands, 1, exponent))
        return false;
    // 0 to a power is defined only for a real positive exponent.
    if (base.IsZero() && !(exponent.im == 0.0 && exponent.re > 0.0)) {
        ReportStatus(StatusKind::Singularity, base);
        return engineState.ok;
    }
    result = NCalculatorMath::Pow(base, exponent);
    return CheckFinite(result);
}

} // namespace NCalculatorText
