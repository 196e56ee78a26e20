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

// Below this |z| the series' second term is lost: sqrt(6.661338147750939e-16) =
// 2.5809568279517847e-8, compared squared.
inline constexpr double kSquaredSineIdentityThreshold = 6.661338147750939e-16;

// The root of w^2 - 1 that points along w (Re w >= 0), so that w + P does not cancel:
// |w + P| >= 1, since (w + P)(w - P) = 1. That is the root whose imaginary part has
// the sign of Im w; deciding by the alignment also holds where that imaginary part
// has underflowed to a zero of either sign, and on the imaginary axis below the
// origin, where w + P with Im P >= 0 would cancel to 0.
Complex Aligned(const Complex& w, const Complex& p) noexcept {
    const bool pointsAway = w.re * p.re + w.im * p.im < 0.0;
    return pointsAway ? Complex{-p.re, -p.im} : p;
}

// Beyond this part of w its squares could overflow; ln |w + P| cancels nowhere there.
inline constexpr double kLargePart = 0x1p500;
inline constexpr double kSmallPart = 0x1p-500;

// Log(w + P) for huge w: the root factorised, as w^2 would overflow.
Complex LogOfHuge(const Complex& w) noexcept {
    const Complex p = Aligned(w, Multiply(Sqrt({w.re - 1.0, w.im}), Sqrt({w.re + 1.0, w.im})));
    return Log(WithPositiveZero({w.re + p.re, w.im + p.im}));
}

// The principal root of (p, v) given its magnitude.
Complex PrincipalRoot(double p, double v, double magnitude) noexcept {
    if (p >= 0.0) {
        const double rho = std::sqrt(0.5 * (magnitude + p));
        return rho == 0.0 ? Complex{0.0, 0.0} : Complex{rho, v / (2.0 * rho)};
    }
    const double rho = std::sqrt(0.5 * (magnitude - p));
    return {std::fabs(v) / (2.0 * rho), v < 0.0 ? -rho : rho};
}

// Log(w + sqrt(w^2 - 1)) for w = z folded into the right half-plane. With r = |w + 1|
// and s = |w - 1|, the root is sqrt(w - 1) sqrt(w + 1), and the real part of the
// logarithm, ln |w + P| = arccosh(A) with A = (r + s) / 2, is formed from A - 1 without
// cancellation (Hull, Fairgrieve and Tang): near the segment [-1, 1] and near w = 1,
// ln |w + P| is tiny and the sum w + P would carry it only in rounding errors.
Complex LogOfFolded(const Complex& w) noexcept {
    const double a = w.re;
    const double y = std::fabs(w.im);
    if (!(a < kLargePart && y < kLargePart))
        return LogOfHuge(w);
    // hypot only where y^2 would underflow
    const bool squaresUnderflow = y != 0.0 && y < kSmallPart;
    const double r = squaresUnderflow ? std::hypot(a + 1.0, y) : std::sqrt((a + 1.0) * (a + 1.0) + y * y);
    const double s = squaresUnderflow ? std::hypot(a - 1.0, y) : std::sqrt((a - 1.0) * (a - 1.0) + y * y);
    const Complex p = Aligned(w, Multiply(PrincipalRoot(a - 1.0, w.im, s), PrincipalRoot(a + 1.0, w.im, r)));
    const Complex q = WithPositiveZero({a + p.re, w.im + p.im});

    const double halfSum = 0.5 * (r + s);
    const double halfSumLessOne = a < 1.0 ? 0.5 * (y * y / (r + (a + 1.0)) + y * y / (s + (1.0 - a)))
                                          : 0.5 * (y * y / (r + (a + 1.0)) + (s + (a - 1.0)));
    const double logMagnitude = std::log1p(halfSumLessOne + std::sqrt(halfSumLessOne * (halfSum + 1.0)));
    return {logMagnitude, std::atan2(q.im, q.re)};
}

Complex Folded(const Complex& z) noexcept {
    return z.re >= 0.0 ? z : Complex{-z.re, -z.im};
}

} // namespace

Complex ArcSin(const Complex& z) noexcept {
    const double rho2 = SquaredMagnitude(z);
    if (rho2 > kSquaredSeriesSwitch) {
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
    if (rho2 < kSquaredSineIdentityThreshold)
        return z;
    return Multiply(z, ArcSinSeries(z));
}

Complex ArcCos(const Complex& z) noexcept {
    const double rho2 = SquaredMagnitude(z);
    if (rho2 > kSquaredSeriesSwitch) {
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
    if (rho2 < kSquaredSineIdentityThreshold)
        return {kHalfPi - z.re, -z.im};
    const Complex arcsine = Multiply(z, ArcSinSeries(z));
    return {kHalfPi - arcsine.re, -arcsine.im};
}

Complex ArcCosec(const Complex& z) noexcept {
    if (SquaredMagnitude(z) >= 1.0)
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
    // arccos(1/z) directly: pi/2 - arccosec z would cancel to 0 near z = 1.
    if (SquaredMagnitude(z) >= 1.0)
        return ArcCos(Reciprocal(z));
    const Complex arccosecant = ArcCosec(z);
    return {kHalfPi - arccosecant.re, -arccosecant.im};
}

} // namespace NCalculatorMath
