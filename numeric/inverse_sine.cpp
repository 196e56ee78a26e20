// Arcsine, arccosine, arccosecant and arcsecant: a logarithm of w + sqrt(w^2 - 1)
// for |z| > 0.1 with w folded into the right half-plane, the series below.

#include <cmath>

#include "numeric/detail/elementary_detail.h"
#include "numeric/detail/inverse_series.h"
#include "numeric/elementary.h"
#include "numeric/inverse.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// Below this |z| the series' second term is lost: sqrt(6.661338147750939e-16).
inline constexpr double kSineIdentityThreshold = 2.5809568279517847e-8;

double Sign(double v) noexcept {
    return v >= 0.0 ? 1.0 : -1.0;
}

// sqrt(w^2 - 1) for Re w >= 0, on the branch that the reflection rules need.
Complex SquareRootOfSquareLessOne(const Complex& w) noexcept {
    const double a = w.re;
    const double b = w.im;
    Complex p;
    if (a > 1.0 || std::fabs(b) > Thresholds().sqrtMax)
        p = Multiply(Sqrt({a - 1.0, b}), Sqrt({a + 1.0, b}));  // factorised: w^2 would overflow
    else
        p = Sqrt({(a * a - b * b) - 1.0, 2.0 * a * b});
    const bool negate = (a == 0.0 || b == 0.0) ? p.im < 0.0 : Sign(a) * Sign(b) != Sign(p.im);
    return negate ? Complex{-p.re, -p.im} : p;
}

// Log(w + sqrt(w^2 - 1)) with w = z folded into the right half-plane.
Complex LogOfFolded(const Complex& w) noexcept {
    const Complex p = SquareRootOfSquareLessOne(w);
    return Log(WithPositiveZero({w.re + p.re, w.im + p.im}));
}

Complex Folded(const Complex& z) noexcept {
    return z.re >= 0.0 ? z : Complex{-z.re, -z.im};
}

// ln |v| from the scaled magnitude, as in Log.
double LogMagnitude(const Complex& v) noexcept {
    const ScaledValue scaled = ScaledMagnitude(v);
    return std::log(scaled.mantissa) + scaled.exponent * kLn2Low + scaled.exponent * kLn2High;
}

} // namespace

Complex ArcSin(const Complex& z) noexcept {
    const double rho = Magnitude(z);
    if (rho > kSeriesSwitch) {
        const Complex logarithm = LogOfFolded(Folded(z));
        double a = kHalfPi + logarithm.im;
        double b = -logarithm.re;
        if (a > kHalfPi) {
            a = kPi - a;
            b = -b;
        }
        if (a <= -kHalfPi) {
            a = -kPi - a;
            b = -b;
        }
        return z.re >= 0.0 ? Complex{a, b} : Complex{-a, -b};
    }
    if (rho < kSineIdentityThreshold)
        return z;
    return Multiply(z, ArcSinSeries(z));
}

Complex ArcCos(const Complex& z) noexcept {
    const double rho = Magnitude(z);
    if (rho > kSeriesSwitch) {
        const Complex logarithm = LogOfFolded(Folded(z));
        double a = -logarithm.im;
        double b = logarithm.re;
        if (a < 0.0) {
            a = -a;
            b = -b;
        }
        if (a >= kPi) {
            b = -b;
            a = kTwoPi - a;
        }
        return z.re >= 0.0 ? Complex{a, b} : Complex{kPi - a, -b};
    }
    if (rho < kSineIdentityThreshold)
        return {kHalfPi - z.re, -z.im};
    const Complex arcsine = Multiply(z, ArcSinSeries(z));
    return {kHalfPi - arcsine.re, -arcsine.im};
}

Complex ArcCosec(const Complex& z) noexcept {
    if (Magnitude(z) >= 1.0)
        return ArcSin(Reciprocal(z));
    // arcsin(1/w) = -i ln((i + sqrt(w^2 - 1)) / w) for w = (p, q) in the first
    // quadrant, without forming 1/w, which may overflow.
    const double p = std::fabs(z.re);
    const double q = std::fabs(z.im);
    const Complex s = Sqrt({(p * p - q * q) - 1.0, 2.0 * p * q});
    const double t = q > p ? (p / q) * s.im - s.re : s.im - (q / p) * s.re;
    const Complex v = t < 0.0 ? Complex{-s.re, 1.0 - s.im} : Complex{s.re, s.im + 1.0};
    const double c = LogMagnitude({p, q}) - LogMagnitude(v);
    const Complex product = WithPositiveZero({v.re * p + v.im * q, v.im * p - v.re * q});
    const double theta = std::atan2(product.im, product.re);
    if (z.re >= 0.0)
        return z.im >= 0.0 ? Complex{theta, c} : Complex{theta, -c};
    return z.im > 0.0 ? Complex{-theta, c} : Complex{-theta, -c};
}

Complex ArcSec(const Complex& z) noexcept {
    const Complex arccosecant = ArcCosec(z);
    return {kHalfPi - arccosecant.re, -arccosecant.im};
}

} // namespace NCalculatorMath
