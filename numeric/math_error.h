#pragma once
// The numerical library's error hook. The C runtime here has no user math-error
// handler, so the kernels raise these records themselves where a real function
// meets one of the six conditions; the engine installs the handler.

namespace NCalculatorMath {

enum class MathErrorType : int {
    Domain = 1,
    Singularity = 2,
    Overflow = 3,
    Underflow = 4,
    TotalLoss = 5,
    PartialLoss = 6,
};

struct MathErrorRecord {
    int type;         // a MathErrorType value; others are ignored by the handler
    const char* name; // the real function's name
    double arg1;
    double arg2;
    double retval; // what the function returns; the handler may change it
};

using MathErrorHandler = int (*)(MathErrorRecord& record);

// Installs the handler (nullptr removes it) and returns the previous one.
MathErrorHandler SetMathErrorHandler(MathErrorHandler handler) noexcept;

// Hands the record to the installed handler and returns the record's return value.
double RaiseMathError(MathErrorType type, const char* name, double arg1, double arg2, double retval) noexcept;

} // namespace NCalculatorMath
