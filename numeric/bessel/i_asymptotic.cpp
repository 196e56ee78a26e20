// IAsymptotic (published ZASYI): I(fnu, z) for Re z >= 0 and abs(z) > max(rl, fnu^2/2) by
// the large-z expansion (Abramowitz and Stegun 9.7.1)
//   I(nu, z) ~ e^z / sqrt(2 pi z) * sum (-1)^k a_k(nu) / z^k
//            + e^(i pi (nu + 1/2)) e^-z / sqrt(2 pi z) * sum a_k(nu) / z^k,
// the second term only off the real axis. At most int(2 rl) + 2 terms per member.
// Returns NZ: 0, -1 (overflow, unscaled) or -2 (no convergence).

#include <cmath>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath {

using namespace detail;

int IAsymptotic(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
                const BesselLimits& limits) noexcept {
    constexpr double rtpi = 0.159154943091895336; // 1 / (2 pi)
    const int n = static_cast<int>(y.size());
    const double tol = limits.tol;
    const double az = Abs(z);
    const double rtr1 = limits.sqrtUfl;
    const double dfnu = fnu; // the lowest order computed directly; with N <= 2 that is fnu

    const double raz = 1.0 / az;
    Complex factor = Csqrt(Complex{rtpi * z.re * raz * raz, -rtpi * z.im * raz * raz});
    Complex cz = z;
    if (kode == BesselScaling::Scaled)
        cz = {0.0, z.im};
    if (std::fabs(cz.re) > limits.elim)
        return -1;
    // The published scaled evaluation for abs(Re z) > alim serves N > 2 only.
    factor = factor * Cexp(cz);

    const double dnu2 = dfnu + dfnu;
    double fdn = dnu2 > rtr1 ? dnu2 * dnu2 : 0.0;
    const Complex ez = 8.0 * z;
    const double aez = 8.0 * az;
    const double s = tol / aez;
    const int jl = static_cast<int>(limits.rl + limits.rl) + 2;

    // e^(i pi (fnu + 1/2)), with the order reduced for accuracy and an exact zero cosine
    // at half-integer orders.
    Complex phase{};
    if (z.im != 0.0) {
        const long long inu = static_cast<long long>(fnu);
        const double fraction = fnu - static_cast<double>(inu);
        const double arg = fraction * kPi;
        const Complex unit = CosSin(arg, fraction == 0.5);
        const double bk = z.im < 0.0 ? -unit.re : unit.re;
        phase = {-unit.im, bk};
        if (inu % 2 != 0)
            phase = -phase;
    }

    for (int k = 0; k < n; ++k) {
        double sqk = fdn - 1.0;
        const double atol = s * std::fabs(sqk);
        double sgn = 1.0;
        Complex alternating{1.0, 0.0};
        Complex plain{1.0, 0.0};
        Complex term{1.0, 0.0};
        double ak = 0.0;
        double aa = 1.0;
        double bb = aez;
        Complex dk = ez;
        bool converged = false;
        for (int j = 0; j < jl; ++j) {
            term = Divide(term, dk) * sqk;
            plain = plain + term;
            sgn = -sgn;
            alternating = alternating + term * sgn;
            dk = dk + ez;
            aa = aa * std::fabs(sqk) / bb;
            bb += aez;
            ak += 8.0;
            sqk -= ak;
            if (aa <= atol) {
                converged = true;
                break;
            }
        }
        if (!converged)
            return -2;
        Complex sum = alternating;
        if (z.re + z.re < limits.elim)
            sum = sum + Cexp(-2.0 * z) * phase * plain;
        fdn += 8.0 * dfnu + 4.0;
        phase = -phase;
        y[k] = sum * factor;
    }
    return 0;
}

} // namespace NCalculatorMath
