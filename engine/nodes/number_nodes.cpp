#include "engine/nodes/number_nodes.h"

#include <cmath>

#include "engine/core/format.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

bool CNodeNumber::ParseArguments() {
    std::u16string text = arguments.empty() ? std::u16string() : arguments.front();
    for (char16_t& unit : text) {
        if (unit == u',')
            unit = u'.';
        else if (unit == kMinusSign)
            unit = u'-';
    }
    value = {ParseDouble(text), 0.0};
    return true;
}

bool CNodeNumber::Evaluate(Complex& result) {
    OperationScope scope(Operation::Number);
    if (!std::isfinite(value.re) || !std::isfinite(value.im))
        ReportStatus(StatusKind::Overflow, {value.re, 0.0});
    result = value;
    return engineState.ok;
}

bool CNodePi::Evaluate(Complex& result) {
    result = {3.141592653589793, 0.0};
    return true;
}

bool CNodeE::Evaluate(Complex& result) {
    result = {2.718281828459045, 0.0};
    return true;
}

bool CNodeI::Evaluate(Complex& result) {
    result = {0.0, 1.0};
    return true;
}

} // namespace NCalculatorText
