// ln Gamma of real and complex arguments, on the continuous branch.

#include <array>
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

// Near its zeros at 1 and 2, ln Gamma is small while Lanczos' terms are not: there
// the Taylor series ln Gamma(1 + e) = -gamma e + sum over k >= 2 of (-1)^k zeta(k) e^k / k.
inline constexpr double kNearZeroRadius = 0.2;
inline constexpr double kEulerGamma = 0.5772156649015329;
// (-1)^k zeta(k) / k for k = 2..25, enough for |e| <= 0.2.
inline constexpr std::array<double, 24> kLogGammaSeries = {
    0.8224670334241132,   -0.40068563438653143, 0.27058080842778454, -0.20738555102867398,  // 2
    0.1695571769974082,   -0.1440498967688461,  0.12550966952474304, -0.11133426586956469,  // 6
    0.1000994575127818,   -0.09095401714582904, 0.083353840546109,   -0.0769325164113522,   // 10
    0.07143294629536133,  -0.06666870588242046, 0.06250095514121304, -0.058823978658684585, // 14
    0.055555767627403614, -0.05263167937961666, 0.05000004769810169, -0.047619070330142226, // 18
    0.04545455629320467,  -0.04347826605304026, 0.04166666915034121, -0.04000000119214014,  // 22
};

Complex LogGammaOfOnePlus(const Complex& e) noexcept {
    Complex sum{kLogGammaSeries.back(), 0.0};
    for (std::size_t k = kLogGammaSeries.size() - 1; k-- > 0;)
        sum = Add(Multiply(sum, e), {kLogGammaSeries[k], 0.0});
    return Multiply(e, Add(Multiply(sum, e), {-kEulerGamma, 0.0}));
}

// ln Gamma(z) from the series when z lies within 0.2 of 1 or 2.
bool NearZeroOfLogGamma(const Complex& z, Complex& value) noexcept {
    const Complex fromOne{z.re - 1.0, z.im};
    if (Magnitude(fromOne) < kNearZeroRadius) {
        value = LogGammaOfOnePlus(fromOne);
        return true;
    }
    const Complex fromTwo{z.re - 2.0, z.im};
    if (Magnitude(fromTwo) < kNearZeroRadius) {
        // ln Gamma(2 + e) = ln Gamma(1 + e) + ln(1 + e)
        const Complex series = LogGammaOfOnePlus(fromTwo);
        const Complex logarithm = LogOnePlus(fromTwo);
        value = Add(series, logarithm);
        return true;
    }
    return false;
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
        Complex nearZero;
        if (NearZeroOfLogGamma({x, 0.0}, nearZero))
            return nearZero.re;
        if (x <= kLargestTabulatedLogGamma && x == static_cast<double>(static_cast<std::int32_t>(x)))
            return LogGammaOfInteger(static_cast<int>(x));
        return LogGammaFormula(x);
    }
    const double s = SinCosPiOfNegative(-x).sin;
    if (s > 0.0 || (s < 0.0 && allowNegative)) {
        const double f = kLanczosShift - x;
        return f - std::log(f) * (0.5 - x) + kLogPiLessLogSqrtTwoPi -
               std::log(std::fabs(s) * LanczosSeries(-x));
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

    Complex nearZero;
    if (NearZeroOfLogGamma(z, nearZero))
        return nearZero;

    const Complex q = x >= 0.0 ? z : Complex{-x, -y};
    const Complex series = LanczosSeries(q);
    const Complex w{q.re + kLanczosShift, q.im};
    const Complex logW = Log(WithPositiveZero(w));
    // P = (q + 1/2) Log w - w
    const double pRe = (q.re + 0.5) * logW.re - q.im * logW.im - w.re;
    const double pIm = (q.re + 0.5) * logW.im + q.im * logW.re - q.im;
    if (x >= 0.0) // imaginary parts added without reduction, to stay on the continuous branch
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
    // |sin(pi z)|^2 = sin^2(pi x) + sinh^2(pi y); the rescaled form for large |pi y|
    // cancels near the poles when |pi y| is small.
    double logAbsSine;
    if (p <= 1.0) {
        const double sinhP = std::sinh(p);
        logAbsSine = 0.5 * std::log(angle.sin * angle.sin + sinhP * sinhP);
    } else {
        logAbsSine = 0.5 * (std::log(b + 1.0 + (angle.sin * angle.sin - 0.5) * 4.0 * a) - kLog4) + p;
    }
    const double phi = std::atan2((1.0 - a) * angle.cos, (1.0 + a) * angle.sin);
    const double k = angle.reduced > 0.5 ? kTwoPi * (turns + 1.0) : kTwoPi * turns;
    const double theta = y < 0.0 ? -phi - k : phi + k;
    return {kLogPiLessLogSqrtTwoPi - pRe - LogMagnitude(series) - logAbsSine,
            -pIm - Argument(series) - theta};
}

} // namespace NCalculatorMath
