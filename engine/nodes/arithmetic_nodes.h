#pragma once
// The four operations, the change of sign and the sign function.

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodePlus : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

class CNodeMinus : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

class CNodeMul : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

class CNodeDiv : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

// Flips both parts, so zero becomes negative zero; no checks.
class CNodeChangeSign : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

// Each part becomes -1, 1 or 0 (zero or NaN).
class CNodeSign : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
