#pragma once
// Inverse trigonometric and hyperbolic kernels, results in radians.
//
// The circular inverses take care over cancellation near the origin (a 16-term
// Taylor series below |z| = 0.1), overflow for huge arguments (factorised roots,
// rescaled formulas) and their values on the cuts, which reflection rules fix
// rather than signed zeros: ArcSin(2) = pi/2 - 1.3169578969248166i,
// ArcSin(-2) = -pi/2 + 1.3169578969248166i, ArcTg(2i) = pi/2 + 0.5493061443340549i.
//
// The hyperbolic inverses return principal values (real part of ArCh never
// negative, imaginary parts in the principal strips). A zero part counts as +0, so
// on a cut of the real axis the value is the limit from the upper half-plane, on a
// cut of the imaginary axis the limit from the right; the reciprocal ones (ArCth,
// ArSch, ArCsch) are ArTh, ArCh, ArSh of 1/z under that rule, which makes
// ArCth(0.5) = 0.5493061443340549 + pi/2 i and ArSch(-2) = 2pi/3 i.
//
// Measured against mpmath: within 13 units of 2^-53 of the value's magnitude (ArcSin
// just above the series switch), ArSch 41 and ArCsch 21 for huge arguments.

#include "numeric/complex.h"

namespace NCalculatorMath {

Complex ArcSin(const Complex& z) noexcept;   // real part in [-pi/2, pi/2]
Complex ArcCos(const Complex& z) noexcept;   // real part in [0, pi]
Complex ArcTg(const Complex& z) noexcept;    // real part in [-pi/2, pi/2]
Complex ArcCtg(const Complex& z) noexcept;   // pi/2 - arctan z, real part in [0, pi]
Complex ArcCosec(const Complex& z) noexcept; // arcsin(1/z)
Complex ArcSec(const Complex& z) noexcept;   // pi/2 - arccosec z

Complex ArSh(const Complex& z) noexcept;   // -i arcsin(iz)
Complex ArCh(const Complex& z) noexcept;   // +-i arccos(z), real part >= 0
Complex ArTh(const Complex& z) noexcept;   // -i arctan(iz)
Complex ArCth(const Complex& z) noexcept;  // i arccot(iz), imaginary part reduced into (-pi/2, pi/2]
Complex ArSch(const Complex& z) noexcept;  // log((1 + sqrt(1 - z^2)) / z)
Complex ArCsch(const Complex& z) noexcept; // i arccosec(iz)

} // namespace NCalculatorMath
