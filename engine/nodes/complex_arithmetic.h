#pragma once
// Complex product and quotient with the engine's overflow, underflow and
// singularity reports; reused by angle conversion and series products.

#include "numeric/complex.h"

namespace NCalculatorText {

bool ComplexMultiply(Complex a, Complex b, Complex& result) noexcept;

// Smith's method, so that a quotient of moderate values does not overflow midway.
// A zero divisor is a singularity and leaves result untouched.
bool ComplexDivide(Complex a, Complex b, Complex& result) noexcept;

} // namespace NCalculatorText
