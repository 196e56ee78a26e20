#pragma once
// The keywords "result"/"rslt" (the previous result) and "rand"/"random".

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodeResult : public CNode {
  public:
    bool ParseArguments() override { return true; }
    bool Evaluate(Complex& result) override;
};

class CNodeRandom : public CNode {
  public:
    CNodeRandom();
    bool ParseArguments() override { return true; }
    // Both parts between 0 and 1.
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
