#pragma once
// Pieces shared by the routines of the uniform expansions.

#include <cmath>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath::detail {

inline constexpr double kAic = 1.265512123484645396;  // ln(2 sqrt(pi))

// The exponent zeta2 - zeta1 of the I form at order fn (the K form has its negative);
// scaled values replace zeta2 by fn^2 conj(zr + zeta2) / abs(zr + zeta2)^2, which is
// zeta2 - zr formed without cancellation.
inline Complex UniformExponent(Complex zr, Complex zeta1, Complex zeta2, double fn, BesselScaling kode) noexcept {
    if (kode == BesselScaling::Unscaled)
        return zeta2 - zeta1;
    const Complex st = zr + zeta2;
    const double rast = fn / Abs(st);
    return Conj(st) * (rast * rast) - zeta1;
}

// The logarithms of the multipliers besides the exponential: phi, and for the Airy-type
// form the Airy argument's fourth root and 1 / (2 sqrt(pi)).
inline double DebyeRefinement(const DebyeExpansion& e) noexcept { return std::log(Abs(e.phi)); }
inline double AiryRefinement(const AiryTypeExpansion& e) noexcept {
    return std::log(Abs(e.phi)) - 0.25 * std::log(Abs(e.arg)) - kAic;
}

} // namespace NCalculatorMath::detail
