#pragma once
// Secant, cosecant and their hyperbolic twins: 1 over a denominator that may be
// astronomically large, in which case the value is 0 with an underflow warning.

#include "engine/core/operation.h"
#include "engine/functions/unary_function_node.h"
#include "engine/nodes/node.h"
#include "numeric/elementary.h"

namespace NCalculatorText {

struct ReciprocalFunction {
    Operation operation;
    AngleRole angle; // None or Argument
    Complex (*denominator)(const Complex&) noexcept;
};

bool EvaluateReciprocalFunction(CNode& node, const ReciprocalFunction& function, Complex& result);

template <const ReciprocalFunction& function> class CReciprocalFunctionNode : public CNode {
  public:
    bool Evaluate(Complex& result) override { return EvaluateReciprocalFunction(*this, function, result); }
};

inline constexpr ReciprocalFunction kSecant{Operation::Secant, AngleRole::Argument, &NCalculatorMath::Cos};
inline constexpr ReciprocalFunction kCosecant{Operation::Cosecant, AngleRole::Argument,
                                              &NCalculatorMath::Sin};
inline constexpr ReciprocalFunction kHyperbolicSecant{Operation::HyperbolicSecant, AngleRole::None,
                                                      &NCalculatorMath::Ch};
inline constexpr ReciprocalFunction kHyperbolicCosecant{Operation::HyperbolicCosecant, AngleRole::None,
                                                        &NCalculatorMath::Sh};

class CNodeSec final : public CReciprocalFunctionNode<kSecant> {};
class CNodeCosec final : public CReciprocalFunctionNode<kCosecant> {};
class CNodeSech final : public CReciprocalFunctionNode<kHyperbolicSecant> {};
class CNodeCsch final : public CReciprocalFunctionNode<kHyperbolicCosecant> {};

} // namespace NCalculatorText
