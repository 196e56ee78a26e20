#pragma once
// Number literals and the constants pi, e and i.

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodeNumber : public CNode {
  public:
    // Converts the literal; always succeeds (the longest valid prefix counts).
    bool ParseArguments() override;
    // A literal out of the double range fails the statement with an overflow.
    bool Evaluate(Complex& result) override;

    Complex value{};
};

class CNodePi : public CNode {
  public:
    bool ParseArguments() override { return true; }
    bool Evaluate(Complex& result) override;
};

class CNodeE : public CNode {
  public:
    bool ParseArguments() override { return true; }
    bool Evaluate(Complex& result) override;
};

class CNodeI : public CNode {
  public:
    bool ParseArguments() override { return true; }
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
