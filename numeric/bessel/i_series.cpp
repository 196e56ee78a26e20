// ISeries (published ZSERI): I(fnu, z) for Re z >= 0 by the power series
//   I(nu, z) = (z/2)^nu / Gamma(nu + 1) * sum (z^2/4)^k / (k! (nu + 1)_k),
// meant for abs(z) <= 2 sqrt(fnu + 1). The leading factor is formed in logarithmic form
// and tested against elim and alim. Returns NZ: members (from the highest order) set to
// zero by underflow; -NZ when abs(z^2/4) exceeds the order of an underflowed member, in
// which case the caller finishes the remaining members by another method.

#include <algorithm>
#include <cmath>

#include "numeric/bessel/axis_arithmetic.h"
#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// sum (z^2/4)^k / (k! (fnup)_k), stopped when a term falls below atol; T is double when
// z^2/4 is real (z on either axis), with the real parts of the complex operations.
template <class T> T SeriesSum(T cz, double acz, double fnup, double atol) noexcept {
    T sum{1.0};
    T term{1.0};
    double ak = fnup + 2.0;
    double s = fnup;
    double aa = 2.0;
    do {
        const double rs = 1.0 / s;
        term = term * cz * rs;
        sum = sum + term;
        s += ak;
        ak += 2.0;
        aa = aa * acz * rs;
    } while (aa > atol);
    return sum;
}

} // namespace

int ISeries(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
            const BesselLimits& limits) noexcept {
    const int n = static_cast<int>(y.size());
    const double tol = limits.tol;
    const double az = Abs(z);
    const double arm = limits.ufl;
    int nz = 0;
    if (az < arm) {
        // An argument below the underflow limit leaves only I(0, z) = 1; an exact zero
        // argument is no underflow.
        if (az != 0.0)
            nz = fnu == 0.0 ? n - 1 : n;
        std::fill(y.begin(), y.end(), Complex{});
        if (fnu == 0.0)
            y[0] = {1.0, 0.0};
        return nz;
    }

    const Complex hz = 0.5 * z;
    Complex cz{};
    if (az > limits.sqrtUfl)
        cz = hz * hz;
    const double acz = Abs(cz);
    const Complex logHz = Clog(hz);
    bool scaled = false; // IFLAG: values are carried times 1/tol near underflow
    double rescale = 1.0;
    double ascle = 0.0;
    int nn = n;
    for (;;) {
        double dfnu = fnu + (nn - 1);
        double fnup = dfnu + 1.0;
        int ierr;
        Complex exponent = logHz * dfnu;
        exponent.re -= GammaLn(fnup, ierr);
        if (kode == BesselScaling::Scaled)
            exponent.re -= z.re;
        bool underflow = exponent.re <= -limits.elim;
        if (!underflow) {
            if (exponent.re <= -limits.alim) {
                scaled = true;
                rescale = tol;
                ascle = arm / tol;
            }
            Complex coef = ExpTimes(exponent, scaled ? 1.0 / tol : 1.0);
            const double atol = tol * acz / fnup;
            const int il = std::min(2, nn);
            for (int i = 1; i <= il; ++i) {
                dfnu = fnu + (nn - i);
                fnup = dfnu + 1.0;
                Complex sum{1.0, 0.0};
                if (acz >= tol * fnup)
                    sum = cz.im == 0.0 ? ToComplex(SeriesSum(cz.re, acz, fnup, atol))
                                       : SeriesSum(cz, acz, fnup, atol);
                const Complex value = sum * coef;
                if (scaled && UnderflowsWhenScaled(value, ascle, tol)) {
                    underflow = true;
                    break;
                }
                y[nn - i] = value * rescale;
                if (i != il)
                    coef = Divide(coef, hz) * dfnu;
            }
            if (!underflow)
                return nz;
        }
        ++nz;
        y[nn - 1] = {};
        if (acz > dfnu)
            return -nz;
        if (--nn == 0)
            return nz;
    }
}

} // namespace NCalculatorMath
