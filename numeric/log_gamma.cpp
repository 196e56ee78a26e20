// ln Gamma of real and complex arguments, on the continuous branch.

#include <cmath>
#include <cstdint>
#include <limits>

#include "numeric/detail/elementary_detail.h"
#include "numeric/detail/lanczos.h"
#include "numeric/elementary.h"
#include "numeric/gamma.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

double LogMagnitude(const Complex& v) noexcept {
    const ScaledValue scaled = ScaledMagnitude(v);
    return std::log(scaled.mantissa) + scaled.exponent * kLn2Low + scaled.exponent * kLn2High;
}

double Argument(const Complex& v) noexcept {
    const Complex positive = WithPositiveZero(v);
    return std::atan2(positive.im, positive.re);
}

bool IsInteger(double x) noexcept {
    return x == std::floor(x);
}

} // namespace

double RealLogGamma(double x, bool allowNegative) noexcept {
    if (x > 0.0) {
        if (x <= kLargestTabulatedLogGamma && x == static_cast<double>(static_cast<std::int32_t>(x)))
            return LogGammaOfInteger(static_cast<int>(x));
        return LogGammaFormula(x);
    }
    const double s = SinCosPiOfNegative(-x).sin;
    if (s > 0.0 || (s < 0.0 && allowNegative)) {
        const double f = kLanczosShift - x;
        return f - std::log(f) * (0.5 - x) + kLogPiLessLogSqrtTwoPi - std::log(std::fabs(s) * LanczosSeries(-x));
    }
    return std::numeric_limits<double>::quiet_NaN();
}

Complex LogGamma(const Complex& z) noexcept {
    const double x = z.re;
    const double y = z.im;
    if (y == 0.0) {
        if (x >= 0.0)
            return {RealLogGamma(x, false), 0.0};
        // The imaginary part is the limit from the upper half-plane.
        const double u = -x;
        if (IsInteger(u))
            return {RealLogGamma(x, false), -kPi * std::floor(u) - kHalfPi};
        return {RealLogGamma(x, true), -kPi * (std::floor(u) + 1.0)};
    }

    const Complex q = x >= 0.0 ? z : Complex{-x, -y};
    const Complex series = LanczosSeries(q);
    const Complex w{q.re + kLanczosShift, q.im};
    const Complex logW = Log(WithPositiveZero(w));
    // P = (q + 1/2) Log w - w
    const double pRe = (q.re + 0.5) * logW.re - q.im * logW.im - w.re;
    const double pIm = (q.re + 0.5) * logW.im + q.im * logW.re - q.im;
    if (x >= 0.0)  // imaginary parts added without reduction, to stay on the continuous branch
        return {pRe + kLogSqrtTwoPi + LogMagnitude(series) - LogMagnitude(z),
                pIm + Argument(series) - Argument(z)};

    // Reflection: ln Gamma(z) = ln pi - ln sin(pi z) - ln Gamma(1 - z), the argument of
    // sin(pi z) followed continuously from the positive real axis.
    const double u = -x;
    const double turns = std::floor(u / 2.0);
    const PiAngle angle = SinCosPiOfNegative(u);
    const double p = kPi * std::fabs(y);
    const double a = std::exp(-2.0 * p);
    const double b = std::exp(-4.0 * p);
    const double logAbsSine =
        0.5 * (std::log(b + 1.0 + (angle.sin * angle.sin - 0.5) * 4.0 * a) - kLog4) + p;
    const double phi = std::atan2((1.0 - a) * angle.cos, (1.0 + a) * angle.sin);
    const double k = angle.reduced > 0.5 ? kTwoPi * (turns + 1.0) : kTwoPi * turns;
    const double theta = y < 0.0 ? -phi - k : phi + k;
    return {kLogPiLessLogSqrtTwoPi - pRe - LogMagnitude(series) - logAbsSine, -pIm - Argument(series) - theta};
}

} // namespace NCalculatorMath
