#pragma once
// Power in function form, pow(base, exponent), and in operator form, base ** exponent.

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodePow final : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
