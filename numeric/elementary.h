#pragma once
// Complex elementary kernels: magnitude, square root, logarithm, exponential,
// reciprocal, power, the tangent family and the sine family, all in radians.
//
// Every kernel is a pure function: it keeps no state, allocates nothing and returns
// IEEE infinities, zeros and NaNs for the calling node to judge. The exceptions,
// reported through RaiseMathError (numeric/math_error.h) as the C runtime's error
// hook would: a trigonometric argument too large for its angle to mean anything
// (partial loss from 2^26, total loss from 2^53), and a hyperbolic factor of the
// sine family that overflows.
//
// Measured against mpmath (tests/numeric/accuracy_test.cpp, docs/numeric-elementary.md):
// within 3 units of 2^-53 of the value's magnitude, Pow within 150 where |w log z|
// reaches 80 (the rounding of the exponent's phase, as for any exp(w log z)).

#include "numeric/complex.h"

namespace NCalculatorMath {

// abs(z) = mantissa * 2^exponent; the exponent is 2, -2, or 0 for a zero, infinite
// or NaN z (the mantissa is then the magnitude itself).
struct ScaledValue {
    double mantissa;
    int exponent;
};

// Kahan's magnitude without intermediate overflow or underflow; NaN wins over infinity.
ScaledValue ScaledMagnitude(const Complex& z) noexcept;
double Magnitude(const Complex& z) noexcept;

// Principal root: the real part is never negative, and a negative real z gives a
// positive imaginary root whatever the sign of its zero imaginary part.
Complex Sqrt(const Complex& z) noexcept;

// ln |z| from the scaled magnitude; for 0.75 <= |z| <= 1.4, where ln m and k ln 2
// would cancel, 0.5 ln(1 + (|z|^2 - 1)) with |z|^2 - 1 formed exactly.
double LogMagnitude(const Complex& z) noexcept;
// lg |z| the same way: log10 m + k lg 2, or LogMagnitude(z) / ln 10 near |z| = 1.
double DecimalLogMagnitude(const Complex& z) noexcept;

// Principal logarithm: (LogMagnitude(z), atan2(im, re)).
Complex Log(const Complex& z) noexcept;

// y * e^x * 2^k with no intermediate overflow or underflow: finite whenever the true
// value is, an infinity with the sign of y when it overflows, 0 when y is 0.
double ScaledExp(double x, double y, int k) noexcept;

// e^z, each part by ScaledExp; a part whose trigonometric factor is 0 stays 0.
Complex Exp(const Complex& z) noexcept;

// ln(1 + x): the alternating series below 0.1 in magnitude, the library logarithm of
// the rounded 1 + x, corrected by its rounding error, above.
double Log1p(double x) noexcept;

// 1/z by Smith's division.
Complex Reciprocal(const Complex& z) noexcept;

// z^w. A real integer exponent (fitting 32 bits) of a real base and a real exponent of a
// positive real base use the real pow; a complex base to such an integer exponent is
// repeated squaring; otherwise Exp(w * Log(z)), with a negative real base taken at
// argument +pi.
Complex Pow(const Complex& z, const Complex& w) noexcept;

// Kahan's tangent and its three twins; beyond ln(DBL_MAX) in the hyperbolic part the
// value is the limit, beyond ln(sqrt(DBL_MAX)) a rescaled formula.
Complex Tg(const Complex& z) noexcept;
Complex Ctg(const Complex& z) noexcept;
Complex Th(const Complex& z) noexcept;
Complex Cth(const Complex& z) noexcept;

// The sine family by its closed formulas, the hyperbolic factors scaled so that a
// representable product never overflows midway.
Complex Sin(const Complex& z) noexcept;
Complex Cos(const Complex& z) noexcept;
Complex Sh(const Complex& z) noexcept;
Complex Ch(const Complex& z) noexcept;

} // namespace NCalculatorMath
