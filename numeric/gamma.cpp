// Gamma of real and complex arguments.

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

// Gamma(171.62437695630272) is the largest double; above it Gamma overflows.
inline constexpr double kOverflowArgument = 171.625;

bool IsTabulatedInteger(double x, int largest) noexcept {
    return x <= largest && x == static_cast<double>(static_cast<std::int32_t>(x));
}

// sqrt(2 pi) e^-w w^(z + 1/2) S / z for Re z >= 0. The power and the exponential are
// one exponential e^((z + 1/2) Log w - w), applied last to the moderate factor
// sqrt(2 pi) S / z, so nothing overflows before the value does.
Complex GammaRightHalfPlane(const Complex& z) noexcept {
    const Complex series = LanczosSeries(z);
    const Complex w{z.re + kLanczosShift, z.im};
    const Complex logW = Log(WithPositiveZero(w));
    const Complex power = Multiply({z.re + 0.5, z.im}, logW);
    const Complex exponent{power.re - w.re, power.im - w.im};
    const Complex factor = Divide({kSqrtTwoPi * series.re, kSqrtTwoPi * series.im}, z);
    const double c = std::cos(exponent.im);
    const double s = std::sin(exponent.im);
    const ExpSplit scale(exponent.re);
    return {scale.Times(factor.re * c - factor.im * s), scale.Times(factor.re * s + factor.im * c)};
}

// pi / (sin(pi z) Gamma(1 - z)) for Re z < 0, with q = -z and Gamma(1 - z) = Gamma(1 + q).
Complex GammaLeftHalfPlane(const Complex& z) noexcept {
    const Complex q{-z.re, -z.im};
    const Complex series = LanczosSeries(q);
    const Complex w{q.re + kLanczosShift, q.im};
    const Complex logW = Log(WithPositiveZero(w));
    const Complex power = Multiply({q.re + 0.5, q.im}, logW);
    const Complex e = ExpWithoutLossCheck({w.re - power.re, w.im - power.im});
    const Complex scaled{kSqrtHalfPi * e.re, kSqrtHalfPi * e.im};

    const PiAngle angle = SinCosPiOfNegative(q.re);
    const double piY = kPi * z.im;
    if (std::fabs(piY) > 1.0) {
        // 1 / sin(pi z) from exponentials of -|pi y|, so that nothing overflows.
        const double d = std::fabs(piY);
        const double m = 2.0 * std::exp(-d);
        const double f = std::exp(-2.0 * d);
        const double g = 1.0 - f;
        const double sign = z.im > 0.0 ? -1.0 : 1.0;
        const Complex inverseSine{m * angle.sin * (f + 1.0) /
                                      ((f + 1.0) * (f + 1.0) - 4.0 * f * angle.cos * angle.cos),
                                  sign * m * g * angle.cos / (4.0 * f * angle.sin * angle.sin + g * g)};
        return Divide(Multiply(inverseSine, scaled), series);
    }
    const Complex sine{angle.sin * std::cosh(piY), angle.cos * std::sinh(piY)};
    return Divide(scaled, Multiply(series, sine));
}

} // namespace

double RealGamma(double x) noexcept {
    if (x > 0.0) {
        if (x > kOverflowArgument)
            return std::numeric_limits<double>::infinity();
        if (IsTabulatedInteger(x, kLargestTabulatedGamma))
            return GammaOfInteger(static_cast<int>(x));
        const double b = x + kLanczosShift;
        const double power = std::pow(b, x + 0.5);
        if (std::isfinite(power))
            return power * std::exp(-b) * kSqrtTwoPi * LanczosSeries(x) / x;
        // The full power overflows from x = 141.73 on, long before Gamma does: square
        // half of it around the small factors instead.
        const double halfPower = std::pow(b, (x + 0.5) / 2.0);
        return halfPower * std::exp(-b) * kSqrtTwoPi * LanczosSeries(x) / x * halfPower;
    }
    const PiAngle angle = SinCosPiOfNegative(-x);
    if (angle.sin == 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    const double f = kLanczosShift - x;
    return std::exp(f - std::log(f) * (0.5 - x)) * kSqrtHalfPi / (LanczosSeries(-x) * angle.sin);
}

Complex Gamma(const Complex& z) noexcept {
    if (z.im == 0.0)
        return {RealGamma(z.re), 0.0};
    return z.re >= 0.0 ? GammaRightHalfPlane(z) : GammaLeftHalfPlane(z);
}

} // namespace NCalculatorMath
