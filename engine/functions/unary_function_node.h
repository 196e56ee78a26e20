#pragma once
// The common pattern of the function nodes that apply one kernel to one argument:
// operation bookkeeping, the argument, the pre-check of the points where the
// function is not defined, the angle unit, the kernel, and the finiteness check.

#include "engine/core/operation.h"
#include "engine/nodes/node.h"

namespace NCalculatorText {

// Where a function is singular; the node reports the argument before the kernel runs.
enum class SingularPoints {
    None,
    Zero,         // z = 0
    PlusMinusI,   // z = i or -i
    PlusMinusOne, // z = 1 or -1
};

// Whether the user's angle unit applies to the argument or to the result.
enum class AngleRole { None, Argument, Result };

struct UnaryFunction {
    Operation operation;
    SingularPoints singular;
    AngleRole angle;
    Complex (*kernel)(const Complex&) noexcept;
};

// Runs the common pattern of `function` on the node's only child.
bool EvaluateUnaryFunction(CNode& node, const UnaryFunction& function, Complex& result);

bool IsSingularPoint(SingularPoints points, const Complex& z) noexcept;

// Reports an overflow with value zero (the blank sign word) when a part of r is not
// finite and no error has been reported yet; returns ok.
bool CheckFinite(const Complex& r) noexcept;

template <const UnaryFunction& function> class CUnaryFunctionNode : public CNode {
  public:
    bool Evaluate(Complex& result) override { return EvaluateUnaryFunction(*this, function, result); }
};

} // namespace NCalculatorText
