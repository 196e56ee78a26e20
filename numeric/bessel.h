#pragma once
// Bessel functions J, Y, I and K of real order and complex argument, with a status code.
//
// Non-negative orders run the complex Bessel machinery (numeric/bessel/machinery.h, a
// translation of ACM TOMS algorithm 644) with one member and no scaling:
//   J  from I of a rotated argument;        Y = (i/2) (H2 - H1), H from K;
//   I  from the series, the large-z expansion, Miller's algorithm or the uniform
//      expansions by region;                K by Temme's series or Miller's algorithm, or
//      the uniform expansions above order 85.92, continued into the left half-plane.
// Negative orders use the reflection formulas
//   J(-v) = cos(pi v) J(v) - sin(pi v) Y(v),   Y(-v) = cos(pi v) Y(v) + sin(pi v) J(v),
//   I(-v) = I(v) + (2/pi) sin(pi v) K(v),      K(-v) = K(v),
// with sin(pi v) exactly 0 at integers and cos(pi v) exactly 0 at half-integers.
// Results for a real argument are cleaned of the parts that are zero in exact arithmetic.
// Measured against mpmath at 30 digits over abs(z) from 1e-300 to 1e5 and orders up to
// 1e4: median relative error 1e-15, 99 % below 1.4e-13, at most 1.2e-10 (at abs(z) = 1e5);
// up to abs(z) and order 100 at most 5e-12. Details: docs/numeric-bessel.md.

#include "numeric/complex.h"

namespace NCalculatorMath {

enum class BesselStatus : int {
    Normal = 0,
    InputError = 1,    // z = 0 for Y and K (or a NaN argument): the result is (0, 0) or NaN
    Overflow = 2,      // the result would overflow, or abs(z) is below 2.2e-305 for Y and K
    PartialLoss = 3,   // abs(z) or the order above 47453132.8: about half the digits lost
    TotalLoss = 4,     // abs(z) or the order above 2^51: no result, (0, 0)
    NoConvergence = 5, // an iteration did not meet its termination test
    Underflow = 6,     // the result underflowed and was set to zero
};

// s = sin(pi nu) and c = cos(pi nu), s exactly 0 at integers and c exactly 0 at half-integers.
void SinCosPi(double nu, double& s, double& c) noexcept;

Complex BesselJ(const Complex& z, double nu, BesselStatus& status) noexcept;
Complex BesselY(const Complex& z, double nu, BesselStatus& status) noexcept;
Complex BesselI(const Complex& z, double nu, BesselStatus& status) noexcept;
Complex BesselK(const Complex& z, double nu, BesselStatus& status) noexcept;

} // namespace NCalculatorMath
