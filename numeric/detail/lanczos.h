#pragma once
// Lanczos' series and the reduced sine and cosine of pi x shared by the Gamma kernels.

#include "numeric/complex.h"

namespace NCalculatorMath::detail {

inline constexpr double kLanczosShift = 5.2421875; // g + 1/2, g = 4.7421875
inline constexpr double kSqrtTwoPi = 2.5066282746310007;
inline constexpr double kSqrtHalfPi = 1.2533141373155003;
inline constexpr double kLogSqrtTwoPi = 0.9189385332046728;
inline constexpr double kLogPiLessLogSqrtTwoPi = 0.22579135264472744;
inline constexpr double kLog4 = 1.3862943611198906;

// c0 + sum of c_j / (q + j), j = 1..14, added in order.
double LanczosSeries(double q) noexcept;
Complex LanczosSeries(const Complex& q) noexcept;

// sin(pi x) and cos(pi x) for x = -u, u >= 0, from u reduced modulo 2, with exact
// zeros at the integers (sine) and half-integers (cosine).
struct PiAngle {
    double sin;
    double cos;
    double reduced; // u - 2 floor(u / 2), in [0, 2)
};
PiAngle SinCosPiOfNegative(double u) noexcept;

// ln Gamma(x) for x > 0 by Lanczos' formula.
double LogGammaFormula(double x) noexcept;

// Gamma(n) for n = 1..171, the products rounded step by step: T[n] = T[n-1] (n-1).
double GammaOfInteger(int n) noexcept;
inline constexpr int kLargestTabulatedGamma = 171;
// ln Gamma(n) for n = 1..329 from the real log-Gamma formula (exactly 0 at 1 and 2).
double LogGammaOfInteger(int n) noexcept;
inline constexpr int kLargestTabulatedLogGamma = 329;

} // namespace NCalculatorMath::detail
