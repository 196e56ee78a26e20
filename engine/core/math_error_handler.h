#pragma once
// Turns the numerical library's math-error records into status reports labelled
// with the node that called the kernel.

#include "numeric/math_error.h"

namespace NCalculatorText {

// Always returns 1 ("handled"); the record's return value is left as it is.
int OnMathError(NCalculatorMath::MathErrorRecord& record);

} // namespace NCalculatorText
