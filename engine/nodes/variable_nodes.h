#pragma once
// Series index variables. A variable lives in its VariableMap; the tree refers to it.

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodeVariable : public CNode {
  public:
    bool ParseArguments() override { return true; }
    // Outside its series a variable is uninitialised: 0 with a warning.
    bool Evaluate(Complex& result) override;
    NodeKind Kind() const noexcept override { return NodeKind::Variable; }

    bool uninitialised = true;
    Complex value{};
};

class CNodeVariableReference : public CNode {
  public:
    explicit CNodeVariableReference(CNodeVariable& variable) : variable_(variable) {}

    bool ParseArguments() override { return true; }
    bool Evaluate(Complex& result) override { return variable_.Evaluate(result); }
    NodeKind Kind() const noexcept override { return NodeKind::Variable; }

    CNodeVariable& Variable() noexcept { return variable_; }

  private:
    CNodeVariable& variable_; // owned by the variable map
};

} // namespace NCalculatorText
