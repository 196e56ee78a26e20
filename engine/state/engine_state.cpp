#include "engine/state/engine_state.h"

#include "engine/core/math_error_handler.h"
#include "numeric/math_error.h"

namespace NCalculatorText {

EngineState engineState;

namespace {
// The kernels' math-error hook is the engine's for the whole run, as the C
// runtime's user handler would be.
[[maybe_unused]] const bool mathErrorHandlerInstalled =
    (NCalculatorMath::SetMathErrorHandler(&OnMathError), true);
} // namespace

OperationScope::OperationScope(Operation operation) noexcept : saved_(engineState.currentOperation) {
    engineState.currentOperation = operation;
    engineState.suppressOverflow = false;
}

OperationScope::~OperationScope() {
    engineState.lastOperation = engineState.currentOperation;
    engineState.currentOperation = saved_;
    engineState.suppressOverflow = false;
}

} // namespace NCalculatorText
