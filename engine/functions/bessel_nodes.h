#pragma once
// The Bessel functions J, Y, I and K: name(order, argument) with a real order.

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodeBesselJ final : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

class CNodeBesselY final : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

class CNodeBesselI final : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

class CNodeBesselK final : public CNode {
  public:
    bool Evaluate(Complex& result) override;
};

} // namespace NCalculatorText
