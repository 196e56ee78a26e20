#pragma once
// Natural and decimal logarithms. A factorial or Gamma node as the natural
// logarithm's direct argument hands over its own logarithm instead of its value.

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodeLn final : public CNode {
  public:
    // Tells a factorial or Gamma child that its logarithm is wanted.
    bool ParseArguments() override;
    bool Evaluate(Complex& result) override;

  private:
    bool childGivesLogarithm_ = false;
};

class CNodeLg final : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
