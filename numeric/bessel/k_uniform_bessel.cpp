// KUniformBessel (published ZUNK1): K(fnu, z) for large orders from the Debye form of the
// uniform expansion, applied to zr = z or -z in the right half-plane, and for Re z < 0
// (mr = +1 or -1) its analytic continuation
//   K(nu, zr e^(i pi mr)) = e^(-i pi mr nu) K(nu, zr) - i pi mr I(nu, zr),
// the I term from the same expansion (its terms are reused). A member whose K underflows
// is zeroed and counted; an overflow, or an underflow of K when the I term is still to be
// added, gives NZ = -1. With N <= 2 no member is left for recurrence.

#include <cmath>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"
#include "numeric/bessel/scale_bands.h"
#include "numeric/bessel/uniform_common.h"

namespace NCalculatorMath {

using namespace detail;

int KUniformBessel(Complex z, double fnu, BesselScaling kode, int mr, std::span<Complex> y,
                   const BesselLimits& limits) noexcept {
    const int n = static_cast<int>(y.size());
    const double tol = limits.tol;
    const ScaleBands bands = MakeScaleBands(limits);
    const Complex zr = z.re >= 0.0 ? z : -z;
    int nz = 0;

    // K members, in the right half-plane. The expansions are kept for the I terms.
    DebyeExpansion expansions[2];
    bool firstOfRun = true; // KDFLG = 1
    int kflag = 1;
    for (int i = 0; i < n; ++i) {
        const double fn = fnu + i;
        DebyeExpansion& e = expansions[i];
        UniformSumsBessel(zr, fn, UniformSequence::K, false, tol, e);
        const Complex s1 = -UniformExponent(zr, e.zeta1, e.zeta2, fn, kode);
        double rs1 = s1.re;
        bool onScale = SelectBand(
            rs1, [&] { return DebyeRefinement(e); }, limits, firstOfRun, kflag);
        Complex s2{};
        if (onScale) {
            s2 = (e.phi * e.sum) * ExpTimes(s1, bands.scale[kflag]);
            onScale = !(kflag == 0 && UnderflowsWhenScaled(s2, bands.bound[0], tol));
        }
        if (onScale) {
            y[i] = s2 * bands.unscale[kflag];
            firstOfRun = false;
            continue;
        }
        if (!ZeroUnderflowedK(rs1, z.re < 0.0, y, i, nz))
            return -1;
        firstOfRun = true;
    }
    if (mr == 0)
        return nz;

    // Analytic continuation for Re z < 0: add the I terms, highest order first.
    nz = 0;
    const double sgn = -std::copysign(kPi, static_cast<double>(mr));
    Complex cspn = ContinuationPhase(fnu, mr, n - 1); // of the highest member
    int iuf = 0;
    firstOfRun = true;
    int iflag = 1;
    for (int kk = n - 1; kk >= 0; --kk) {
        const double fn = fnu + kk;
        DebyeExpansion& e = expansions[kk];
        UniformSumsBessel(zr, fn, UniformSequence::I, false, tol, e);
        const Complex s1 = UniformExponent(zr, e.zeta1, e.zeta2, fn, kode);
        double rs1 = s1.re;
        Complex s2{};
        if (SelectBand(
                rs1, [&] { return DebyeRefinement(e); }, limits, firstOfRun, iflag)) {
            const Complex st = e.phi * e.sum;
            s2 = Complex{-sgn * st.im, sgn * st.re} * ExpTimes(s1, bands.scale[iflag]);
            if (iflag == 0 && UnderflowsWhenScaled(s2, bands.bound[0], tol))
                s2 = {};
        } else if (rs1 > 0.0) {
            return -1;
        }
        const bool vanished = IsZero(s2);
        nz += AddITerm(zr, kode, s2, bands.unscale[iflag], cspn, y, kk, iuf, limits);
        cspn = -cspn;
        firstOfRun = vanished;
    }
    return nz;
}

} // namespace NCalculatorMath
