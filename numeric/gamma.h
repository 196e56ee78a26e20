#pragma once
// Gamma and log-Gamma of real and complex arguments.
//
// Lanczos' approximation with g = 4.7421875 and fourteen coefficients (the set of
// the third edition of Numerical Recipes for its log-Gamma routine), reflection
// Gamma(z) = pi / (sin(pi z) Gamma(1 - z)) in the left half-plane, and tables for
// integer arguments: Gamma(n) as the step-by-step product (n <= 171), ln Gamma(n)
// from the real formula (n <= 329). Poles give NaN; the calling node reports them.
// Gamma stays finite wherever its value is representable (up to x = 171.62...):
// the large power is formed as a square, or together with the exponential.
//
// Measured against mpmath: RealGamma within 48 units of 2^-53 (reflection of large
// negative arguments), RealLogGamma 51 (near 1.5), LogGamma 35; Gamma loses accuracy
// with the size of its phase (1600 units at 171.5 + 100i). A Taylor series keeps
// ln Gamma accurate within 0.2 of its zeros 1 and 2.

#include "numeric/complex.h"

namespace NCalculatorMath {

// Gamma(x); +infinity above 171.62..., NaN at 0, -1, -2, ...
double RealGamma(double x) noexcept;
// ln |Gamma(x)|; NaN at a pole, and where Gamma(x) < 0 unless allowNegative.
double RealLogGamma(double x, bool allowNegative) noexcept;
Complex Gamma(const Complex& z) noexcept;
// ln Gamma on the continuous branch with its cut on the negative real axis (values
// there are the limits from the upper half-plane); the imaginary part is not
// reduced to (-pi, pi].
Complex LogGamma(const Complex& z) noexcept;

} // namespace NCalculatorMath
