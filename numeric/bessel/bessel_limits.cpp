#include "numeric/bessel/bessel_limits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace NCalculatorMath {

namespace {

BesselLimits DeriveLimits() noexcept {
    constexpr double tiny = std::numeric_limits<double>::min();
    constexpr double huge = std::numeric_limits<double>::max();
    constexpr int exponentBound = 1021; // the smaller of the two exponent range limits
    constexpr int digitsUsed = 52;      // binary digits of the mantissa minus one
    const double r1m5 = std::log10(2.0);

    BesselLimits limits{};
    limits.tol = std::max(std::numeric_limits<double>::epsilon(), 1.0e-18);
    limits.elim = 2.303 * (exponentBound * r1m5 - 3.0);
    const double decimalDigits = r1m5 * digitsUsed;
    limits.dig = std::min(decimalDigits, 18.0);
    limits.alim = limits.elim + std::max(-2.303 * decimalDigits, -41.45);
    limits.rl = 1.2 * limits.dig + 3.0;
    limits.fnul = 10.0 + 6.0 * (limits.dig - 3.0);
    limits.ufl = 1.0e3 * tiny;
    limits.sqrtUfl = std::sqrt(limits.ufl);
    limits.ascle = limits.ufl / limits.tol;
    // The published limit 0.5 * (largest integer) becomes 0.5 * (largest double).
    limits.aa = std::min(0.5 / limits.tol, 0.5 * huge);
    limits.sqrtAA = std::sqrt(limits.aa);
    return limits;
}

} // namespace

const BesselLimits& MachineBesselLimits() noexcept {
    static const BesselLimits limits = DeriveLimits();
    return limits;
}

} // namespace NCalculatorMath
