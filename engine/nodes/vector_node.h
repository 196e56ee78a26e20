#pragma once
// An argument list. Power, the Bessel functions and the series read it element by
// element; used as a value it is not supported.

#include "engine/nodes/node.h"

namespace NCalculatorText {

class CNodeVector : public CNode {
  public:
    bool Evaluate(Complex& result) override;
    NodeKind Kind() const noexcept override { return NodeKind::Vector; }
};

// The node's only child when it is a vector of exactly `count` elements, else nullptr.
CNode* VectorArgument(CNode& node, std::size_t count) noexcept;

} // namespace NCalculatorText
