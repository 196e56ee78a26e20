// KUniformAiry (published ZUNK2): K(fnu, z) for large orders from the Airy-type form of
// the uniform expansion of the Hankel function,
//   K(nu, zr) = -(pi/2) i e^(-i pi nu / 2) H2(nu, -i zr)  (first quadrant; the fourth by
//   conjugation, K being real on the positive real axis),
// with zr = z or -z in the right half-plane; for Re z < 0 (mr = +1 or -1) the analytic
// continuation adds -i pi mr I(nu, zr), I from the expansion of J(nu, -i zr). A member
// whose K underflows is zeroed and counted; an overflow, or an underflow of K when the I
// term is still to be added, gives NZ = -1. With N <= 2 no member is left for recurrence.

#include <cmath>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/bessel_tables.h"
#include "numeric/bessel/machinery.h"
#include "numeric/bessel/scale_bands.h"
#include "numeric/bessel/uniform_common.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// (1, sqrt 3) and (-1/2, -sqrt(3)/2): the factor of H2 and the rotation e^(-2 pi i / 3)
// of the Airy argument.
constexpr Complex kCr1{1.0, 1.73205080756887729};
constexpr Complex kCr2{-0.5, -8.66025403784438647e-01};

// (-i)^k.
Complex PowerOfMinusI(long long k) noexcept {
    return {KUniformAiry_cipr[k % 4], KUniformAiry_cipi[k % 4]};
}

// Rotates cs by -i: the phase of the next order.
Complex NextPhase(Complex cs) noexcept {
    return {cs.im, -cs.re};
}

} // namespace

int KUniformAiry(Complex z, double fnu, BesselScaling kode, int mr, std::span<Complex> y,
                 const BesselLimits& limits) noexcept {
    const int n = static_cast<int>(y.size());
    const double tol = limits.tol;
    const ScaleBands bands = MakeScaleBands(limits);
    const Complex zr = z.re >= 0.0 ? z : -z;
    const double yy = zr.im;
    Complex zn{zr.im, -zr.re};
    Complex zb = zr;
    const long long inu = static_cast<long long>(fnu);
    const double fnf = fnu - static_cast<double>(inu);
    const double ang = -kHalfPi * fnf;
    const Complex unit = CosSin(ang);
    const double car = unit.re;
    const double sar = unit.im;
    Complex cs = kCr1 * (Complex{kHalfPi * sar, -kHalfPi * car} * PowerOfMinusI(inu));
    if (yy <= 0.0) {
        zn.re = -zn.re;
        zb.im = -zb.im;
    }
    int nz = 0;

    // Ai(arg) asum + Ai'(arg) bsum ..., scaled, for the expansion e and the Airy argument.
    auto airySum = [](const AiryTypeExpansion& e, Complex arg, Complex rotation) {
        const Complex ai = Airy(arg, 0, BesselScaling::Scaled).value;
        const Complex dai = Airy(arg, 1, BesselScaling::Scaled).value;
        return ((dai * e.bsum) * rotation + ai * e.asum) * e.phi;
    };

    // K members, from H2 of the rotated argument.
    AiryTypeExpansion expansions[2];
    bool firstOfRun = true;
    int kflag = 1;
    for (int i = 0; i < n; ++i) {
        const double fn = fnu + i;
        AiryTypeExpansion& e = expansions[i];
        UniformSumsAiry(zn, fn, false, tol, e);
        const Complex s1 = -UniformExponent(zb, e.zeta1, e.zeta2, fn, kode);
        double rs1 = s1.re;
        bool onScale = SelectBand(
            rs1, [&] { return AiryRefinement(e); }, limits, firstOfRun, kflag);
        Complex s2{};
        if (onScale) {
            s2 = (airySum(e, e.arg * kCr2, kCr2) * cs) * ExpTimes(s1, bands.scale[kflag]);
            onScale = !(kflag == 0 && UnderflowsWhenScaled(s2, bands.bound[0], tol));
        }
        cs = NextPhase(cs);
        if (onScale) {
            if (yy <= 0.0)
                s2.im = -s2.im;
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
    const double csgni = yy <= 0.0 ? -sgn : sgn;
    const long long ifn = inu + n - 1;
    Complex cspn = ContinuationPhase(fnu, mr, n - 1); // of the highest member
    // cs = coefficient of the J function giving I: I(nu, zr) = e^(i pi nu / 2) J(nu, -i zr).
    cs = Complex{sar * csgni, car * csgni} * Conj(PowerOfMinusI(ifn));
    int iuf = 0;
    firstOfRun = true;
    int iflag = 1;
    for (int kk = n - 1; kk >= 0; --kk) {
        const double fn = fnu + kk;
        const AiryTypeExpansion& e = expansions[kk];
        const Complex s1 = UniformExponent(zb, e.zeta1, e.zeta2, fn, kode);
        double rs1 = s1.re;
        Complex s2{};
        if (SelectBand(
                rs1, [&] { return AiryRefinement(e); }, limits, firstOfRun, iflag)) {
            s2 = (airySum(e, e.arg, {1.0, 0.0}) * cs) * ExpTimes(s1, bands.scale[iflag]);
            if (iflag == 0 && UnderflowsWhenScaled(s2, bands.bound[0], tol))
                s2 = {};
        } else if (rs1 > 0.0) {
            return -1;
        }
        if (yy <= 0.0)
            s2.im = -s2.im;
        const bool vanished = IsZero(s2);
        nz += AddITerm(zr, kode, s2, bands.unscale[iflag], cspn, y, kk, iuf, limits);
        cspn = -cspn;
        cs = NextPhase(cs);
        firstOfRun = vanished;
    }
    return nz;
}

} // namespace NCalculatorMath
