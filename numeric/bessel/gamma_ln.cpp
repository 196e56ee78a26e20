// GammaLn (published DGAMLN): ln Gamma(x) for real x > 0. Integers up to 100 come from a
// table; otherwise the Stirling series, after shifting x up to zmin = 7 by the recurrence
// Gamma(x + 1) = x Gamma(x). x <= 0 returns NaN with ierr = 1.

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/bessel/bessel_tables.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath {

double GammaLn(double x, int& ierr) noexcept {
    using detail::GammaLn_cf;
    using detail::GammaLn_gln;
    constexpr double lnTwoPi = 1.83787706640934548;
    ierr = 0;
    if (!(x > 0.0)) {
        ierr = 1;
        return std::numeric_limits<double>::quiet_NaN();
    }
    long long nx = 0;
    if (x <= 101.0) {
        nx = static_cast<long long>(x);
        if (x - static_cast<double>(nx) <= 0.0 && nx <= 100)
            return GammaLn_gln[nx - 1];
    }

    const double wdtol = std::max(std::numeric_limits<double>::epsilon(), 0.5e-18);
    const double decimalDigits = std::log10(2.0) * 53;
    const double fln = std::max(std::min(decimalDigits, 20.0), 3.0) - 3.0;
    const double zmin = static_cast<int>(1.8 + 0.3875 * fln) + 1;
    double shift = 0.0;
    double shifted = x;
    if (x < zmin) {
        shift = zmin - static_cast<double>(nx);
        shifted = x + shift;
    }

    double power = 1.0 / shifted;
    const double first = GammaLn_cf[0] * power;
    double sum = first;
    if (power >= wdtol) {
        const double square = power * power;
        const double threshold = first * wdtol;
        for (std::size_t k = 1; k < GammaLn_cf.size(); ++k) {
            power *= square;
            const double term = GammaLn_cf[k] * power;
            if (std::fabs(term) < threshold)
                break;
            sum += term;
        }
    }

    if (shift == 0.0) {
        const double lnX = std::log(x);
        return x * (lnX - 1.0) + 0.5 * (lnTwoPi - lnX) + sum;
    }
    double product = 1.0;
    const int steps = static_cast<int>(shift);
    for (int i = 0; i < steps; ++i)
        product *= x + i;
    const double lnShifted = std::log(shifted);
    return shifted * (lnShifted - 1.0) - std::log(product) + 0.5 * (lnTwoPi - lnShifted) + sum;
}

} // namespace NCalculatorMath
