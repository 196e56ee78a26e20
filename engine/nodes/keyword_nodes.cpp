#include "engine/nodes/keyword_nodes.h"

#include "engine/state/engine_state.h"
#include "engine/state/random_generators.h"

namespace NCalculatorText {

bool CNodeResult::Evaluate(Complex& result) {
    result = engineState.previousResult;
    return true;
}

CNodeRandom::CNodeRandom() {
    SeedImaginaryPartOnce();
}

bool CNodeRandom::Evaluate(Complex& result) {
    constexpr double kTwoToMinus64 = 5.421010862427522e-20;
    const std::uint64_t imaginary = randomState.imaginaryPart.Draw();
    const std::uint64_t real = randomState.realPart.Draw();
    result = {static_cast<double>(real) * kTwoToMinus64, static_cast<double>(imaginary) * kTwoToMinus64};
    return true;
}

} // namespace NCalculatorText
