// Tangent and cotangent after Kahan, and their hyperbolic twins, which are the same
// formulas with the roles of the parts exchanged.

#include <cmath>

#include "numeric/detail/elementary_detail.h"
#include "numeric/elementary.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// Below this both tan x and sinh y are too small to be squared.
inline constexpr double kTinyThreshold = 0x1p-537; // 2.2227587494850775e-162

double UnitSign(bool negative) noexcept {
    return negative ? -1.0 : 1.0;
}

} // namespace

Complex Tg(const Complex& z) noexcept {
    const DerivedThresholds& limits = Thresholds();
    const double x = z.re;
    const double y = z.im;
    if (std::fabs(y) > limits.logMax)
        return {0.0, UnitSign(y < 0.0)};
    const double t = std::tan(x);
    CheckAngleArgument("tan", x, t);
    const double s = std::sinh(y);
    if (y == 0.0)
        return {t, 0.0};
    const double u = (t * t + 1.0) * s;
    const double d = u * s + 1.0;
    // Beyond ln sqrt(DBL_MAX), or where d overflows because t is huge near x = pi/2,
    // the imaginary part is 1 to working precision.
    if (std::fabs(y) > limits.logSqrtMax || std::isinf(d))
        return {t / (t * t + 1.0) / s / s, UnitSign(y < 0.0)};
    return {t / d, std::sqrt(s * s + 1.0) * u / d};
}

Complex Ctg(const Complex& z) noexcept {
    const DerivedThresholds& limits = Thresholds();
    const double x = z.re;
    const double y = z.im;
    if (std::fabs(y) > limits.logMax)
        return {0.0, UnitSign(y >= 0.0)};
    const double t = std::tan(x);
    CheckAngleArgument("tan", x, t);
    const double s = std::sinh(-y);
    if (y == 0.0)
        return {1.0 / t, 0.0};
    if (std::fabs(y) > limits.logSqrtMax || std::isinf((t * t + 1.0) * s * s))
        return {t / (t * t + 1.0) / s / s, UnitSign(y >= 0.0)};
    const double f = s * s + 1.0;
    if (std::fabs(t) < kTinyThreshold) {
        if (std::fabs(s) < kTinyThreshold) {
            if (t == 0.0)
                return {0.0, 1.0 / s};
            const double h = s / t * s + t;
            return {1.0 / h, (s / t + t) / h};
        }
        return {t / s / s, std::sqrt(f) / s};
    }
    const double h = (t * t + 1.0) * s;
    const double l = h * s + t * t;
    return {t / l, std::sqrt(f) * h / l};
}

// tanh(x + iy) is Tg(y + ix) with the parts of the result exchanged.
Complex Th(const Complex& z) noexcept {
    const Complex swapped = Tg({z.im, z.re});
    return {swapped.im, swapped.re};
}

// coth(x + iy) from Ctg(y - ix): t = tan y, s = sinh x, and the result (a, b) read as (b, -a).
Complex Cth(const Complex& z) noexcept {
    const Complex rotated = Ctg({z.im, -z.re});
    return {rotated.im, -rotated.re};
}

} // namespace NCalculatorMath
