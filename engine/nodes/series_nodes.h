#pragma once
// Sum(index, from, to, [step,] expression) and Prod(...): the expression evaluated
// with the index running from "from" towards "to".

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodeSum : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

class CNodeProduct : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
