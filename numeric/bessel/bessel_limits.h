#pragma once
// Machine parameters of the Bessel machinery for IEEE double precision, and the
// limits derived from them as the published top-level routines form them.

namespace NCalculatorMath {

// The scaling option KODE of the published routines.
enum class BesselScaling : int {
    Unscaled = 1, // the functions themselves
    Scaled = 2,   // I and J times exp(-abs(Re z)) or exp(-abs(Im z)), K times exp(z), H times exp(-+iz)
};

struct BesselLimits {
    double tol;     // relative spacing 2^-52
    double elim;    // exponent limit: exp(-elim) is 1000 times the smallest normal number
    double alim;    // scaling threshold, elim + ln(tol)
    double dig;     // decimal digits of tol
    double rl;      // abs(z) from which the large-z asymptotic series is used
    double fnul;    // order from which the uniform large-order expansions are used
    double ufl;     // 1000 times the smallest normal number: the underflow limit on abs(z)
    double sqrtUfl; // sqrt(ufl): below it a square underflows
    double ascle;   // ufl / tol: rescaling threshold when a phase factor is applied
    double aa;      // argument limit 2^51
    double sqrtAA;  // precision-loss limit sqrt(aa)
};

// Derived once, on the first call.
const BesselLimits& MachineBesselLimits() noexcept;

} // namespace NCalculatorMath
