#include "engine/nodes/arithmetic_nodes.h"

#include <cmath>

#include "engine/nodes/complex_arithmetic.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

namespace {

// Evaluates the left then the right child; false when either failed.
bool EvaluateOperands(CNode& node, Complex& left, Complex& right) {
    return EvaluateChild(node, 0, left) && EvaluateChild(node, 1, right);
}

bool AddOrSubtract(CNode& node, Operation operation, double sign, Complex& result) {
    OperationScope scope(operation);
    Complex left, right;
    if (!EvaluateOperands(node, left, right))
        return false;
    result = {left.re + sign * right.re, left.im + sign * right.im};
    if (!std::isfinite(result.re) || !std::isfinite(result.im))
        ReportStatus(StatusKind::Overflow);
    return engineState.ok;
}

double SignOf(double x) noexcept {
    return x < 0.0 ? -1.0 : x > 0.0 ? 1.0 : 0.0;
}

} // namespace

bool CNodePlus::Evaluate(Complex& result) {
    return AddOrSubtract(*this, Operation::Addition, 1.0, result);
}

bool CNodeMinus::Evaluate(Complex& result) {
    return AddOrSubtract(*this, Operation::Subtraction, -1.0, result);
}

bool CNodeMul::Evaluate(Complex& result) {
    OperationScope scope(Operation::Multiplication);
    Complex left, right;
    if (!EvaluateOperands(*this, left, right))
        return false;
    return ComplexMultiply(left, right, result);
}

bool CNodeDiv::Evaluate(Complex& result) {
    OperationScope scope(Operation::Division);
    Complex left, right;
    if (!EvaluateOperands(*this, left, right))
        return false;
    return ComplexDivide(left, right, result);
}

bool CNodeChangeSign::Evaluate(Complex& result) {
    Complex value;
    if (!EvaluateChild(*this, 0, value))
        return false;
    result = {-value.re, -value.im};
    return true;
}

bool CNodeSign::Evaluate(Complex& result) {
    Complex value;
    if (!EvaluateChild(*this, 0, value))
        return false;
    result = {SignOf(value.re), SignOf(value.im)};
    return true;
}

} // namespace NCalculatorText
