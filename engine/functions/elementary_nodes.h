#pragma once
// Exponential, square root and absolute value.

#include "engine/functions/unary_function_node.h"
#include "numeric/elementary.h"

namespace NCalculatorText {

inline constexpr UnaryFunction kExponent{Operation::Exponent, SingularPoints::None, AngleRole::None,
                                         &NCalculatorMath::Exp};
inline constexpr UnaryFunction kSquareRoot{Operation::SquareRoot, SingularPoints::None, AngleRole::None,
                                           &NCalculatorMath::Sqrt};

class CNodeExp final : public CUnaryFunctionNode<kExponent> {};
class CNodeSqrt final : public CUnaryFunctionNode<kSquareRoot> {};

// The magnitude; one that is not finite is an overflow quoting it ("positive").
class CNodeAbs final : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
