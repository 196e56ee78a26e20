#include "engine/nodes/node.h"

#include "engine/nodes/variable_nodes.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

CNode::CNode() = default;
CNode::~CNode() = default;

bool CNode::ParseArguments() {
    for (std::u16string& text : arguments) {
        if (!ParseChild(text))
            return false;
    }
    return true;
}

bool CNode::Evaluate(Complex& result) {
    if (children.empty())
        return false;
    return children.front()->Evaluate(result);
}

VariableMap& CNode::EnsureVariableMap() {
    if (variableMap == nullptr) {
        ownedVariableMap = std::make_unique<VariableMap>();
        variableMap = ownedVariableMap.get();
    }
    return *variableMap;
}

bool EvaluateChild(CNode& node, std::size_t index, Complex& value) {
    value = {};
    return node.children[index]->Evaluate(value);
}

} // namespace NCalculatorText
