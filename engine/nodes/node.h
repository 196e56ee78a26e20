#pragma once
// The base of every node of the expression tree.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/parser/parcer.h"

namespace NCalculatorText {

class CNodeVariable;

// Series index variables by name; the node that created the map owns it.
using VariableMap = std::map<std::u16string, std::unique_ptr<CNodeVariable>>;

class CNode : public CParcer {
  public:
    CNode();
    ~CNode() override;
    CNode(const CNode&) = delete;
    CNode& operator=(const CNode&) = delete;

    CNode* GetNode() noexcept override { return this; }
    // Each argument text, in order, becomes a child.
    bool ParseArguments() override;
    // The first child's value: what the driver's root node does.
    bool Evaluate(Complex& result) override;
    NodeKind Kind() const noexcept override { return NodeKind::Ordinary; }

    // Gives this node a variable map of its own if it has none in effect.
    VariableMap& EnsureVariableMap();

    // Declared so that destruction runs children first, then the owned map with its
    // variables, then the argument texts.
    std::vector<std::u16string> arguments;
    VariableMap* variableMap = nullptr;
    std::unique_ptr<VariableMap> ownedVariableMap;
    std::vector<std::unique_ptr<CNode>> children;
};

// Evaluates children[index] into a zero-initialised value; false when it failed.
bool EvaluateChild(CNode& node, std::size_t index, Complex& value);

} // namespace NCalculatorText
