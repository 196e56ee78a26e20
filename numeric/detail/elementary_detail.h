#pragma once
// Constants and helpers shared by the elementary, inverse and Gamma kernels.

#include <cmath>

#include "numeric/complex.h"

namespace NCalculatorMath::detail {

// ln 2 in two parts: the high part has 15 significant bits, so n * high is exact.
inline constexpr double kLn2High = 0.693145751953125; // 22713 / 32768
inline constexpr double kLn2Low = 1.4286068203094173e-6;
// 1 + sqrt 2 in two parts, for the magnitude of near-equal components.
inline constexpr double kOnePlusSqrt2High = 2.4142134189605713; // 10125945 / 4194304
inline constexpr double kOnePlusSqrt2Low = 1.434125237597392e-7;
inline constexpr double kSqrt2 = 1.4142135623730951;

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kTwoPi = 6.283185307179586;

// Thresholds derived from the largest double, computed once on first use.
struct DerivedThresholds {
    double logSqrtMax; // ln sqrt(DBL_MAX) = 354.891356446692
    double logMax;     // ln DBL_MAX = 709.782712893384
    double sqrtMax;    // sqrt(DBL_MAX) = 1.3407807929942596e154
    double epsilon;    // 2^-53, the relative accuracy of a double
};
const DerivedThresholds& Thresholds() noexcept;

// The zero rule: an imaginary part that compares equal to zero becomes +0, so that a
// negative real number has argument +pi.
inline Complex WithPositiveZero(Complex z) noexcept {
    if (z.im == 0.0)
        z.im = 0.0;
    return z;
}

// |z|^2 for comparing |z| with a threshold: cheaper than Magnitude, and an overflow
// to infinity or an underflow to 0 still compares right with a moderate threshold.
inline double SquaredMagnitude(const Complex& z) noexcept {
    return z.re * z.re + z.im * z.im;
}

inline Complex Add(const Complex& a, const Complex& b) noexcept {
    return {a.re + b.re, a.im + b.im};
}

inline Complex Multiply(const Complex& a, const Complex& b) noexcept {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// y * e^x split as y * e^r * 2^n: one exponential shared by several factors y.
class ExpSplit {
  public:
    explicit ExpSplit(double x) noexcept;
    // y * e^x * 2^k; 0 when y is 0.
    double Times(double y, int k = 0) const noexcept;

  private:
    double x_;
    double er_ = 0.0;
    int n_ = 0;
    bool reduced_ = false; // false for a NaN or an x beyond any representable product
};

// Log(1 + u), accurate also when 1 + u would round away the small parts of u: the real
// part is 0.5 ln(1 + u.re (u.re + 2) + u.im^2).
Complex LogOnePlus(const Complex& u) noexcept;

// e^z without the loss-of-precision check of Exp: for kernels (Gamma) whose
// imaginary exponent only carries a phase of a result that underflows long before
// that phase is lost.
Complex ExpWithoutLossCheck(const Complex& z) noexcept;

// y * sinh x and y * cosh x, finite whenever the product is; 0 when y is 0.
double ScaledSinh(double x, double y) noexcept;
double ScaledCosh(double x, double y) noexcept;

// Reports a partial (|x| >= 2^26) or total (|x| >= 2^53) loss of precision of a
// trigonometric argument, with value as the result accepted.
void CheckAngleArgument(const char* name, double x, double value) noexcept;

} // namespace NCalculatorMath::detail

namespace NCalculatorMath::detail {

// a / b by Smith's rule, so that moderate values do not overflow midway.
inline Complex Divide(const Complex& a, const Complex& b) noexcept {
    if (std::fabs(b.im) > std::fabs(b.re)) {
        const double r = b.re / b.im;
        const double d = b.re * r + b.im;
        return {(a.re * r + a.im) / d, (a.im * r - a.re) / d};
    }
    const double r = b.im / b.re;
    const double d = b.im * r + b.re;
    return {(a.im * r + a.re) / d, (a.im - a.re * r) / d};
}

} // namespace NCalculatorMath::detail
