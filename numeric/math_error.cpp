#include "numeric/math_error.h"

namespace NCalculatorMath {

namespace {
MathErrorHandler installedHandler = nullptr;
}

MathErrorHandler SetMathErrorHandler(MathErrorHandler handler) noexcept {
    MathErrorHandler previous = installedHandler;
    installedHandler = handler;
    return previous;
}

double RaiseMathError(MathErrorType type, const char* name, double arg1, double arg2,
                      double retval) noexcept {
    MathErrorRecord record{static_cast<int>(type), name, arg1, arg2, retval};
    if (installedHandler != nullptr)
        installedHandler(record);
    return record.retval;
}

} // namespace NCalculatorMath
