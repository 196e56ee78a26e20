// KScaleCheck (published ZKSCL): K values carried times e^z are tested one by one: a member
// that underflows once e^-z is applied is set to zero and counted; the others are returned
// scaled by 1/tol. With two members, the first is zeroed too when only the second is on
// scale.
// CombineS1S2 (published ZS1S2): the underflow test on the two terms of the continuation
// formula (s1 a K value, s2 an I value), needed with scaled values, where both may be of
// the same size.
// KContinuation (published ZACON): K(fnu, z) for Re z < 0 by analytic continuation from
// the right half-plane,
//   K(nu, zn e^(i pi mr)) = e^(-i pi mr nu) K(nu, zn) - i pi mr I(nu, zn),  zn = -z;
// ApplyContinuation is that formula applied to I and K values at zn, member by member, and
// ContinuationPhase its factor of K for every path that continues K (ZACON, ZACAI, ZUNK1,
// ZUNK2).

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath {

using namespace detail;

int KScaleCheck(Complex z, std::span<Complex> y, double ascle, double tol, double elim) noexcept {
    const int n = static_cast<int>(y.size());
    int nz = 0;
    int onScale = 0; // IC: the last member found on scale (1-based), 0 for none
    for (int i = 0; i < n; ++i) {
        const Complex s1 = y[i];
        ++nz;
        y[i] = {};
        if (-z.re + std::log(Abs(s1)) < -elim)
            continue;
        const Complex cs = ExpTimes(Clog(s1) - z, 1.0 / tol);
        if (UnderflowsWhenScaled(cs, ascle, tol))
            continue;
        y[i] = cs;
        onScale = i + 1;
        --nz;
    }
    if (n == 1)
        return nz;
    if (onScale <= 1) {
        y[0] = {};
        nz = 2;
    }
    return nz;
}

int CombineS1S2(Complex z, Complex& s1, Complex& s2, double ascle, double alim, int& iuf) noexcept {
    double as1 = Abs(s1);
    const double as2 = Abs(s2);
    if (!IsZero(s1) && as1 != 0.0) {
        const double aln = -z.re - z.re + std::log(as1);
        const Complex s1d = s1;
        s1 = {};
        as1 = 0.0;
        if (aln >= -alim) {
            s1 = Cexp(Clog(s1d) - z - z);
            as1 = Abs(s1);
            ++iuf;
        }
    }
    if (Larger(as1, as2) > ascle)
        return 0;
    s1 = {};
    s2 = {};
    iuf = 0;
    return 1;
}

Complex ContinuationPhase(double fnu, int mr, int member) noexcept {
    const double sgn = -std::copysign(kPi, static_cast<double>(mr));
    const long long inu = static_cast<long long>(fnu);
    const double fraction = fnu - static_cast<double>(inu);
    const Complex phase = CosSin(fraction * sgn, fraction == 0.5);
    return (inu + member) % 2 != 0 ? -phase : phase;
}

int ApplyContinuation(Complex zn, double fnu, BesselScaling kode, int mr, std::span<const Complex> kValues,
                      std::span<Complex> y, const BesselLimits& limits) noexcept {
    // csgn = -i pi mr (times e^(i Im z) when scaled), the coefficient of the I term.
    const double sgn = -std::copysign(kPi, static_cast<double>(mr));
    Complex csgn{0.0, sgn};
    if (kode == BesselScaling::Scaled) {
        const Complex unit = CosSin(-zn.im);
        csgn = {-sgn * unit.im, sgn * unit.re};
    }
    Complex cspn = ContinuationPhase(fnu, mr, 0);

    int nz = 0;
    int iuf = 0;
    for (std::size_t i = 0; i < y.size(); ++i) {
        Complex c1 = kValues[i];
        Complex c2 = y[i];
        if (kode == BesselScaling::Scaled)
            nz += CombineS1S2(zn, c1, c2, limits.ascle, limits.alim, iuf);
        y[i] = cspn * c1 + csgn * c2;
        cspn = -cspn;
    }
    return nz;
}

int KContinuation(Complex z, double fnu, BesselScaling kode, int mr, std::span<Complex> y,
                  const BesselLimits& limits) noexcept {
    const int n = static_cast<int>(y.size());
    const Complex zn = -z;
    int nw = IDispatch(zn, fnu, kode, y, limits);
    if (nw < 0)
        return nw == -2 ? -2 : -1;
    Complex kValues[2];
    nw = KRightHalf(zn, fnu, kode, std::span<Complex>(kValues, std::min(2, n)), limits);
    if (nw != 0)
        return nw == -2 ? -2 : -1;

    return ApplyContinuation(zn, fnu, kode, mr, std::span<const Complex>(kValues, y.size()), y, limits);
}

} // namespace NCalculatorMath
