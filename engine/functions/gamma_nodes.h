#pragma once
// Factorial and Gamma. As the direct argument of the natural logarithm they compute
// ln Gamma instead, so that ln(fact(200)) needs no value beyond the double range.

#include "engine/core/operation.h"
#include "engine/nodes/node.h"

namespace NCalculatorText {

class CGammaFamilyNode : public CNode {
  public:
    // Called by a natural logarithm node whose direct argument this node is.
    void GiveLogarithm() noexcept { givesLogarithm_ = true; }

  protected:
    // Gamma(z + shift) (or its logarithm) for factorial (shift 1) and Gamma (shift 0);
    // real integers below 1 - shift are poles.
    bool EvaluateShifted(Operation operation, double shift, Complex& result);

  private:
    bool givesLogarithm_ = false;
};

class CNodeFactorial final : public CGammaFamilyNode {
  public:
    bool Evaluate(Complex& result) override;
};

class CNodeGamma final : public CGammaFamilyNode {
  public:
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
