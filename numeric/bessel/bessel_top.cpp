// The top-level routines of the machinery: argument checks, the rotations that reduce
// J and H to I and K in the right half-plane, and the continuation of I into the left
// half-plane.
// - ComputeI (published ZBESI): I(fnu, z) = IDispatch(z) for Re z >= 0, else
//   e^(+-i pi fnu) IDispatch(-z).
// - ComputeJ (published ZBESJ): J(fnu, z) = e^(i pi fnu / 2) I(fnu, -i z) for Im z >= 0,
//   e^(-i pi fnu / 2) I(fnu, i z) below.
// - ComputeK (published ZBESK): K(fnu, z); the uniform expansions above fnul, KRightHalf
//   for Re z >= 0, KContinuation for Re z < 0.
// - ComputeH (published ZBESH): H(m, fnu, z) = (-1)^... (2/(i pi)) e^(-+i pi fnu / 2)
//   K(fnu, -+i z), K as in ComputeK.
// The phase factors use the order reduced modulo 2 (or 4) for accuracy; their cosine is
// exactly 0 where it should be (half-integer or odd-integer reduced orders).

#include <cmath>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"
#include "numeric/elementary.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// abs(z) by the elementary kernel; on the axes it is exactly the other part's magnitude,
// which needs no call.
double ArgumentMagnitude(const Complex& z) noexcept {
    if (z.im == 0.0)
        return std::fabs(z.re);
    if (z.re == 0.0)
        return std::fabs(z.im);
    return Magnitude(z);
}

// IERR of the range tests: 4 when abs(z) or the highest order exceeds aa (nothing is
// computed), 3 when either exceeds sqrt(aa), else 0.
int RangeError(double az, double fn, const BesselLimits& limits) noexcept {
    if (az > limits.aa || fn > limits.aa)
        return 4;
    if (az > limits.sqrtAA || fn > limits.sqrtAA)
        return 3;
    return 0;
}

// Sets IERR from a failure count NZ < 0 (overflow 2, no convergence 5) and clears NZ.
BesselResult Failed(BesselResult result, int nz) noexcept {
    result.ierr = nz == -2 ? 5 : 2;
    result.nz = 0;
    return result;
}

// value * phase, with a value near underflow carried times 1/tol through the product so
// that the rotation loses no digits.
Complex Rotate(Complex value, Complex phase, const BesselLimits& limits) noexcept {
    double atol = 1.0;
    if (MaxPart(value) <= limits.ascle) {
        value = value * (1.0 / limits.tol);
        atol = limits.tol;
    }
    return (value * phase) * atol;
}

// The checks every top-level routine starts with: IERR 1 for bad input, then IERR 4 (no
// result) or 3 (a warning) from the magnitudes of the argument and the highest order.
// False when the routine ends here.
bool AcceptInput(bool badInput, double az, double fnu, std::size_t n, const BesselLimits& limits,
                 BesselResult& result) noexcept {
    if (badInput) {
        result.ierr = 1;
        return false;
    }
    result.ierr = RangeError(az, fnu + (static_cast<int>(n) - 1), limits);
    return result.ierr != 4;
}

// (cos, sin) of pi/2 times the order reduced to [0, 2), with the sign of the reduction;
// the cosine is exactly 0 at a reduced order of 1.
Complex QuarterTurnPhase(double fnu, double scale) noexcept {
    const long long inu = static_cast<long long>(fnu);
    const long long inuh = inu / 2;
    const double reduced = fnu - static_cast<double>(2 * inuh);
    const double arg = reduced * scale;
    Complex phase = CosSin(arg, reduced == 1.0);
    if (inuh % 2 != 0)
        phase = -phase;
    return phase;
}

// The uniform expansions of K (published ZBUNK): the Debye form for abs(arg z) <= pi/3,
// the Airy-type form beyond.
int KUniform(Complex z, double fnu, BesselScaling kode, int mr, std::span<Complex> y,
             const BesselLimits& limits) noexcept {
    if (std::fabs(z.im) > std::fabs(z.re) * 1.7321)
        return KUniformAiry(z, fnu, kode, mr, y, limits);
    return KUniformBessel(z, fnu, kode, mr, y, limits);
}

// The overflow pre-tests on the K sequence for orders up to fnul; false when the result
// is decided (IERR or all members zero).
bool KOverflowTests(Complex z, double fnu, double az, BesselScaling kode, std::span<Complex>& y,
                    BesselResult& result, const BesselLimits& limits) noexcept {
    const double fn = fnu + (static_cast<int>(y.size()) - 1);
    if (fn > 2.0) {
        const int nuf = UniformOverflowTest(z, fnu, kode, UniformSequence::K, y, limits);
        if (nuf < 0) {
            result.ierr = 2;
            return false;
        }
        // nuf is 0 or all members.
        result.nz += nuf;
        y = y.first(y.size() - nuf);
        if (y.empty()) {
            if (z.re < 0.0)
                result = Failed(result, -1);
            return false;
        }
    } else if (fn > 1.0 && az <= limits.tol && -fn * std::log(0.5 * az) > limits.elim) {
        result.ierr = 2;
        return false;
    }
    return true;
}

} // namespace

BesselResult ComputeI(Complex z, double fnu, BesselScaling kode, std::span<Complex> y) noexcept {
    BesselResult result;
    const BesselLimits& limits = MachineBesselLimits();
    if (!AcceptInput(fnu < 0.0, ArgumentMagnitude(z), fnu, y.size(), limits, result))
        return result;

    Complex zn = z;
    Complex csgn{1.0, 0.0};
    if (z.re < 0.0) {
        zn = -z;
        // e^(i pi fnu) above the real axis, e^(-i pi fnu) below.
        const long long inu = static_cast<long long>(fnu);
        const double fraction = fnu - static_cast<double>(inu);
        double arg = fraction * kPi;
        if (z.im < 0.0)
            arg = -arg;
        csgn = CosSin(arg, fraction == 0.5);
        if (inu % 2 != 0)
            csgn = -csgn;
    }
    const int nz = IDispatch(zn, fnu, kode, y, limits);
    if (nz < 0)
        return Failed(result, nz);
    result.nz = nz;
    if (z.re >= 0.0)
        return result;
    for (std::size_t i = 0; i + nz < y.size(); ++i) {
        y[i] = Rotate(y[i], csgn, limits);
        csgn = -csgn;
    }
    return result;
}

BesselResult ComputeJ(Complex z, double fnu, BesselScaling kode, std::span<Complex> y) noexcept {
    BesselResult result;
    const BesselLimits& limits = MachineBesselLimits();
    if (!AcceptInput(fnu < 0.0, ArgumentMagnitude(z), fnu, y.size(), limits, result))
        return result;

    Complex csgn = QuarterTurnPhase(fnu, kHalfPi);
    // zn = -i z lies in the right half-plane (i z below the real axis).
    Complex zn{z.im, -z.re};
    double cii = 1.0;
    if (z.im < 0.0) {
        zn = -zn;
        csgn.im = -csgn.im;
        cii = -1.0;
    }
    const int nz = IDispatch(zn, fnu, kode, y, limits);
    if (nz < 0)
        return Failed(result, nz);
    result.nz = nz;
    for (std::size_t i = 0; i + nz < y.size(); ++i) {
        y[i] = Rotate(y[i], csgn, limits);
        csgn = {-csgn.im * cii, csgn.re * cii};
    }
    return result;
}

BesselResult ComputeK(Complex z, double fnu, BesselScaling kode, std::span<Complex> y) noexcept {
    BesselResult result;
    const BesselLimits& limits = MachineBesselLimits();
    const double az = ArgumentMagnitude(z);
    if (!AcceptInput(IsZero(z) || fnu < 0.0, az, fnu, y.size(), limits, result))
        return result;
    if (az < limits.ufl) {
        result.ierr = 2;
        return result;
    }

    const int mr = z.im < 0.0 ? -1 : 1;
    if (fnu > limits.fnul) {
        const int nw = KUniform(z, fnu, kode, z.re >= 0.0 ? 0 : mr, y, limits);
        if (nw < 0)
            return Failed(result, nw);
        result.nz += nw;
        return result;
    }
    std::span<Complex> members = y;
    if (!KOverflowTests(z, fnu, az, kode, members, result, limits))
        return result;
    int nw;
    if (z.re >= 0.0) {
        nw = KRightHalf(z, fnu, kode, members, limits);
    } else {
        if (result.nz != 0) {
            result.ierr = 2;
            return result;
        }
        nw = KContinuation(z, fnu, kode, mr, members, limits);
    }
    if (nw < 0)
        return Failed(result, nw);
    result.nz = nw;
    return result;
}

BesselResult ComputeH(Complex z, double fnu, BesselScaling kode, int kind, std::span<Complex> y) noexcept {
    BesselResult result;
    const BesselLimits& limits = MachineBesselLimits();
    const double az = ArgumentMagnitude(z);
    if (!AcceptInput(IsZero(z) || fnu < 0.0 || (kind != 1 && kind != 2), az, fnu, y.size(), limits, result))
        return result;
    const double fmm = 3 - 2 * kind;
    Complex zn{fmm * z.im, -fmm * z.re};
    if (az < limits.ufl) {
        result.ierr = 2;
        return result;
    }

    // The continuation is needed in the left half-plane, and on the negative imaginary
    // axis for the second kind.
    const bool leftHalf = zn.re < 0.0 || (zn.re == 0.0 && zn.im < 0.0 && kind == 2);
    const int mr = leftHalf ? -static_cast<int>(fmm) : 0;
    std::span<Complex> members = y;
    if (fnu > limits.fnul) {
        if (zn.re == 0.0 && zn.im < 0.0 && kind == 2)
            zn = -zn;
        const int nw = KUniform(zn, fnu, kode, mr, members, limits);
        if (nw < 0)
            return Failed(result, nw);
        result.nz += nw;
    } else {
        if (!KOverflowTests(zn, fnu, az, kode, members, result, limits))
            return result;
        const int nw = leftHalf ? KContinuation(zn, fnu, kode, mr, members, limits)
                                : KRightHalf(zn, fnu, kode, members, limits);
        if (nw < 0)
            return Failed(result, nw);
        result.nz = nw;
    }

    // H(m, fnu, z) = -fmm (i / hpi) zt^fnu K(fnu, -z zt), zt = e^(-fmm hpi i).
    const double sgn = std::copysign(kHalfPi, -fmm);
    const Complex rotation = QuarterTurnPhase(fnu, sgn);
    const double rhpi = 1.0 / sgn;
    Complex csgn{-rhpi * rotation.im, rhpi * rotation.re};
    const double zti = -fmm;
    for (std::size_t i = 0; i < members.size(); ++i) {
        y[i] = Rotate(y[i], csgn, limits);
        csgn = {-csgn.im * zti, csgn.re * zti};
    }
    return result;
}

} // namespace NCalculatorMath
