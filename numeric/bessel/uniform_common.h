#pragma once
// Pieces shared by the routines of the uniform expansions.

#include <cmath>
#include <limits>
#include <span>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath::detail {

inline constexpr double kAic = 1.265512123484645396; // ln(2 sqrt(pi))

// The exponent zeta2 - zeta1 of the I form at order fn (the K form has its negative);
// scaled values replace zeta2 by fn^2 conj(zr + zeta2) / abs(zr + zeta2)^2, which is
// zeta2 - zr formed without cancellation.
inline Complex UniformExponent(Complex zr, Complex zeta1, Complex zeta2, double fn,
                               BesselScaling kode) noexcept {
    if (kode == BesselScaling::Unscaled)
        return zeta2 - zeta1;
    const Complex st = zr + zeta2;
    const double rast = fn / Abs(st);
    return Conj(st) * (rast * rast) - zeta1;
}

// The logarithms of the multipliers besides the exponential: phi, and for the Airy-type
// form the Airy argument's fourth root and 1 / (2 sqrt(pi)).
inline double DebyeRefinement(const DebyeExpansion& e) noexcept {
    return std::log(Abs(e.phi));
}
inline double AiryRefinement(const AiryTypeExpansion& e) noexcept {
    return std::log(Abs(e.phi)) - 0.25 * std::log(Abs(e.arg)) - kAic;
}

// z / fn too small: the leading parameters stand for an overflow of the exponent (an
// underflow of I, an overflow of K) and the expansion is not formed (true).
inline bool TinyRatioParameters(Complex z, double fn, Complex& zeta1, Complex& zeta2, Complex& phi) noexcept {
    const double test = std::numeric_limits<double>::min() * 1.0e3;
    const double ac = fn * test;
    if (std::fabs(z.re) > ac || std::fabs(z.im) > ac)
        return false;
    zeta1 = {2.0 * std::fabs(std::log(test)) + fn, 0.0};
    zeta2 = {fn, 0.0};
    phi = {1.0, 0.0};
    return true;
}

// A K member that left the scale: an overflow, or an underflow where the I term of the
// continuation would still be added, ends the routine (false); otherwise the member and a
// non-zero member before it are zeroed and counted (a run of underflows starts anew).
inline bool ZeroUnderflowedK(double rs1, bool continued, std::span<Complex> y, int i, int& nz) noexcept {
    if (rs1 > 0.0 || continued)
        return false;
    y[i] = {};
    ++nz;
    if (i > 0 && !IsZero(y[i - 1])) {
        y[i - 1] = {};
        ++nz;
    }
    return true;
}

// The continuation's last step for member kk: K times its phase plus the I term s2 (on
// scale band iflag), with the scaled values' underflow test; returns the members counted.
inline int AddITerm(Complex zr, BesselScaling kode, Complex s2, double unscale, Complex cspn,
                    std::span<Complex> y, int kk, int& iuf, const BesselLimits& limits) noexcept {
    s2 = s2 * unscale;
    Complex kValue = y[kk];
    const int nz =
        kode == BesselScaling::Scaled ? CombineS1S2(zr, kValue, s2, limits.ascle, limits.alim, iuf) : 0;
    y[kk] = kValue * cspn + s2;
    return nz;
}

} // namespace NCalculatorMath::detail
