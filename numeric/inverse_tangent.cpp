// Arctangent and arccotangent: rescaled formulas beyond 2^53, the logarithmic
// formulas above 0.1 with care near the poles +-i, the series below.

#include <cmath>

#include "numeric/detail/elementary_detail.h"
#include "numeric/detail/inverse_series.h"
#include "numeric/elementary.h"
#include "numeric/inverse.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// |z| > 2^53, compared squared.
inline constexpr double kSquaredHugeArgument = 0x1p106;
// Below this |z| the series' second term is lost: sqrt(3.3306690738754696e-16) =
// 1.8250120749944284e-8, compared squared.
inline constexpr double kSquaredTangentIdentityThreshold = 3.3306690738754696e-16;
// |1 - |z|^2| at most this: z is on the unit circle to working precision.
inline constexpr double kUnitCircleThreshold = 0x1p-26;
// (1 -+ y)^2 + x^2 below this: z is at the pole +-i to working precision.
inline constexpr double kNearPoleThreshold = 2.220446049250313e-15;

double UnitSign(double v) noexcept {
    return v < 0.0 ? -1.0 : 1.0;
}

// The pieces of arctan z for 0.1 < |z| <= 2^53:
// arctan z = 0.5 atan2(2x, 1 - |z|^2) + i 0.25 ln(((1 + y)^2 + x^2) / ((1 - y)^2 + x^2)).
struct ModerateParts {
    double b;        // 1 - |z|^2
    double logRatio; // ln((1 + y)^2 + x^2) - ln((1 - y)^2 + x^2)
};

ModerateParts Moderate(double x, double y) noexcept {
    const double b = 1.0 - (y * y + x * x);
    const double sp = (1.0 + y) * (1.0 + y) + x * x;
    const double sm = (1.0 - y) * (1.0 - y) + x * x;
    if (std::fabs(b) <= kUnitCircleThreshold && (sp < kNearPoleThreshold || sm < kNearPoleThreshold)) {
        // At y = -+1 exactly the small sum is x^2, which may underflow.
        const double logSp = y == -1.0 ? 2.0 * std::log(std::fabs(x)) : std::log(sp);
        const double logSm = y == 1.0 ? 2.0 * std::log(std::fabs(x)) : std::log(sm);
        return {b, logSp - logSm};
    }
    // Sp - Sm = 4y, so ln Sp - ln Sm = ln(1 + 4y / Sm): no cancellation of two large
    // logarithms when |z| is large.
    return {b, y >= 0.0 ? Log1p(4.0 * y / sm) : -Log1p(-4.0 * y / sp)};
}

// The pieces of arctan z for |z| > 2^53: atan2 arguments W, Q with the real part
// 0.5 atan2(W, Q), and the Log1p argument of four times the imaginary part.
struct HugeParts {
    double w;
    double q;
    double log1pArgument;
    bool onImaginaryAxis; // x = 0 while |y| >= |x|: W is a signed zero
};

HugeParts Huge(double x, double y) noexcept {
    if (std::fabs(x) > std::fabs(y)) {
        const double r = y / x;
        const double s = UnitSign(x);
        return {2.0 * s, (1.0 / x - x - y * r) * s, 4.0 * r / x / (r * r + 1.0), false};
    }
    const double r = x / y;
    const double s = UnitSign(y);
    if (x == 0.0)
        return {y >= 0.0 ? 0.0 : -0.0, (1.0 / y - y) * s, (4.0 / y) / (r * r + 1.0), true};
    return {2.0 * r * s, (1.0 / y - x * r - y) * s, (4.0 / y) / (r * r + 1.0), false};
}

// pi/2 - 0.5 atan2(W, Q), without cancellation where atan2 is near pi.
double HalfPiLessHalfAtan2(double w, double q) noexcept {
    if (w > 0.0 && q < -w)
        return 0.5 * std::atan2(w, -q);
    return kHalfPi - 0.5 * std::atan2(w, q);
}

} // namespace

Complex ArcTg(const Complex& z) noexcept {
    const double x = z.re;
    const double y = z.im;
    const double rho2 = SquaredMagnitude(z);
    if (rho2 > kSquaredHugeArgument) {
        const HugeParts parts = Huge(x, y);
        return {0.5 * std::atan2(parts.w, parts.q), 0.25 * Log1p(parts.log1pArgument)};
    }
    if (rho2 > kSquaredSeriesSwitch) {
        const ModerateParts parts = Moderate(x, y);
        const double signedX = x == 0.0 ? std::copysign(0.0, y) : x;
        return {0.5 * std::atan2(2.0 * signedX, parts.b), 0.25 * parts.logRatio};
    }
    if (rho2 < kSquaredTangentIdentityThreshold)
        return z;
    return Multiply(z, ArcTgSeries(z));
}

Complex ArcCtg(const Complex& z) noexcept {
    const double x = z.re;
    const double y = z.im;
    const double rho2 = SquaredMagnitude(z);
    if (rho2 > kSquaredHugeArgument) {
        const HugeParts parts = Huge(x, y);
        const double re =
            parts.onImaginaryAxis ? (y > 0.0 ? 0.0 : kPi) : HalfPiLessHalfAtan2(parts.w, parts.q);
        return {re, -0.25 * Log1p(parts.log1pArgument)};
    }
    if (rho2 > kSquaredSeriesSwitch) {
        const ModerateParts parts = Moderate(x, y);
        double re;
        if (x != 0.0 || parts.b >= 0.0)
            re = HalfPiLessHalfAtan2(2.0 * x, parts.b);
        else // on the imaginary axis beyond the poles
            re = y < 0.0 ? kPi : 0.0;
        return {re, -0.25 * parts.logRatio};
    }
    if (rho2 < kSquaredTangentIdentityThreshold)
        return {kHalfPi - x, -y};
    const Complex arctangent = Multiply(z, ArcTgSeries(z));
    return {kHalfPi - arctangent.re, -arctangent.im};
}

} // namespace NCalculatorMath
