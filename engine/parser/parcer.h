#pragma once
// The parser of the calculation language. It rewrites text rather than tokenizing:
// bracket groups become numbered placeholders, then a fixed chain of recognizers
// looks at the whole operand; the first that accepts creates one node and hands it
// its argument texts, which the node parses the same way.

#include <string>
#include <string_view>

#include "numeric/complex.h"

namespace NCalculatorText {

class CNode;

enum class NodeKind : int {
    Ordinary = 0,
    Variable = 1, // a series index variable or a reference to one
    Vector = 2,   // an argument list
};

class CParcer {
  public:
    virtual ~CParcer() = default;

    // The node itself: the node that receives new children and whose variable map
    // they inherit.
    virtual CNode* GetNode() noexcept = 0;
    // Turns the node's argument texts into children; false when one cannot be parsed.
    virtual bool ParseArguments() = 0;
    // Fills result and returns the engine's ok flag.
    virtual bool Evaluate(Complex& result) = 0;
    virtual NodeKind Kind() const noexcept = 0;

    // Called on a fresh root with one statement; on success the root has exactly one
    // child, the statement's top node.
    bool ParseText(std::u16string_view statement);

  protected:
    // Creates the node that the first accepting recognizer names as this node's next
    // child, with its argument texts (not yet parsed). The operand is modified.
    bool ParseOperand(std::u16string& operand);
    // ParseOperand, then the new child's own ParseArguments.
    bool ParseChild(std::u16string& operand);
};

} // namespace NCalculatorText
