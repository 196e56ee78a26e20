#pragma once
// The complex Bessel machinery: a translation of the published package for Bessel
// functions of a complex argument and non-negative order (ACM TOMS 12 (1986)
// 265-273, algorithm 644), for IEEE double precision. Each routine follows its published
// counterpart, named in its prologue, with N = 1 or 2 members (the most any caller asks
// for) and integer parts of orders taken in 64 bits.
//
// Conventions shared by every routine:
// - y holds N = y.size() members, the orders fnu, fnu + 1.
// - NZ >= 0 counts members set to zero by underflow; NZ = -1 means overflow and
//   NZ = -2 that an iteration did not meet its termination test.
// - IERR (top-level routines): 0 normal, 1 input error, 2 overflow, 3 abs(z) or the order
//   above sqrt(aa) (result with about half the digits), 4 above aa (no result),
//   5 no convergence.

#include <span>

#include "numeric/bessel/bessel_limits.h"
#include "numeric/complex.h"

namespace NCalculatorMath {

struct BesselResult {
    int nz = 0;
    int ierr = 0;
};

// Top-level routines (published ZBESI, ZBESJ, ZBESK, ZBESH).
BesselResult ComputeI(Complex z, double fnu, BesselScaling kode, std::span<Complex> y) noexcept;
BesselResult ComputeJ(Complex z, double fnu, BesselScaling kode, std::span<Complex> y) noexcept;
BesselResult ComputeK(Complex z, double fnu, BesselScaling kode, std::span<Complex> y) noexcept;
// kind 1 or 2: the Hankel function of the first or second kind.
BesselResult ComputeH(Complex z, double fnu, BesselScaling kode, int kind, std::span<Complex> y) noexcept;

// I for Re z >= 0 (ZBINU) and its methods (ZSERI, ZASYI, ZMLRI, ZWRSK, ZRATI).
int IDispatch(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
              const BesselLimits& limits) noexcept;
int ISeries(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
            const BesselLimits& limits) noexcept;
int IAsymptotic(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
                const BesselLimits& limits) noexcept;
int IMillerSeries(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, double tol) noexcept;
int IMillerWronskian(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
                     const BesselLimits& limits) noexcept;
// ratios[k] = I(fnu + k + 1, z) / I(fnu + k, z).
void IRatios(Complex z, double fnu, std::span<Complex> ratios, double tol) noexcept;

// K for Re z >= 0 (ZBKNU), its underflow rescaling (ZKSCL) and the continuation into the
// left half-plane (ZACON, ZS1S2).
int KRightHalf(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
               const BesselLimits& limits) noexcept;
// Members carried times e^z: zeroes those that underflow once e^-z is applied, returns
// the others times 1/tol.
int KScaleCheck(Complex z, std::span<Complex> y, double ascle, double tol, double elim) noexcept;
// mr = +1 or -1: the rotation of the continuation.
int KContinuation(Complex z, double fnu, BesselScaling kode, int mr, std::span<Complex> y,
                  const BesselLimits& limits) noexcept;
// e^(-i pi mr (fnu + member)), the factor of K(nu, zn) in the continuation formula: from the
// fraction of fnu, which keeps it accurate for large orders, with an exact zero cosine at
// half-integer orders (the factor is then purely imaginary).
Complex ContinuationPhase(double fnu, int mr, int member) noexcept;
// y holds I(nu, zn) and receives K(nu, -zn) from the continuation formula with K(nu, zn).
int ApplyContinuation(Complex zn, double fnu, BesselScaling kode, int mr, std::span<const Complex> kValues,
                      std::span<Complex> y, const BesselLimits& limits) noexcept;
// Adds nothing: tests s1 (a K value) and s2 (an I value) of the continuation for
// underflow; returns 1 and zeroes both when their sum would underflow.
int CombineS1S2(Complex z, Complex& s1, Complex& s2, double ascle, double alim, int& iuf) noexcept;

// ln Gamma(x) for x > 0 (DGAMLN); x <= 0 gives NaN and ierr = 1.
double GammaLn(double x, int& ierr) noexcept;

// The uniform expansions for large orders (ZUOIK, ZBUNI, ZUNI1, ZUNI2, ZUNK1, ZUNK2).
enum class UniformSequence : int { I = 1, K = 2 }; // IKFLG
struct UniformLeadingExpansion;
// formed (I sequence only, may be null): receives the whole expansion of the first test,
// which IUniform at the same argument takes over instead of forming it again.
int UniformOverflowTest(Complex z, double fnu, BesselScaling kode, UniformSequence sequence,
                        std::span<Complex> y, const BesselLimits& limits,
                        UniformLeadingExpansion* formed = nullptr) noexcept;
// leading (may be null): an expansion formed by UniformOverflowTest at the same z.
int IUniform(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, int nui, int& nlast,
             const BesselLimits& limits, const UniformLeadingExpansion* leading = nullptr) noexcept;
int IUniformBessel(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, int& nlast,
                   const BesselLimits& limits, const UniformLeadingExpansion* leading = nullptr) noexcept;
int IUniformAiry(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, int& nlast,
                 const BesselLimits& limits, const UniformLeadingExpansion* leading = nullptr) noexcept;
// mr = 0 for Re z >= 0, else +1 or -1: the rotation of the continuation.
int KUniformBessel(Complex z, double fnu, BesselScaling kode, int mr, std::span<Complex> y,
                   const BesselLimits& limits) noexcept;
int KUniformAiry(Complex z, double fnu, BesselScaling kode, int mr, std::span<Complex> y,
                 const BesselLimits& limits) noexcept;

// The Debye form (ZUNIK): I or K = phi * exp(+-(zeta2 - zeta1)) * sum.
struct DebyeExpansion {
    DebyeExpansion() noexcept {} // leaves the terms unset: each is written before it is read
    Complex phi, zeta1, zeta2, sum;
    union {
        Complex terms[16]; // the terms of the sums; terms[15] holds the square root of phi's factor
    };
    int termCount = 0; // INIT: 0 until the terms are formed
};
// With termCount = 0 forms everything (only phi and the zetas when phiAndZetaOnly);
// otherwise reuses the terms of an earlier call with the same z and order.
void UniformSumsBessel(Complex z, double fnu, UniformSequence sequence, bool phiAndZetaOnly, double tol,
                       DebyeExpansion& expansion) noexcept;

// The Airy-type form (ZUNHJ): c1 * phi * (asum * Ai(arg) + c2 * bsum * Ai'(arg)).
struct AiryTypeExpansion {
    Complex phi, arg, zeta1, zeta2, asum, bsum;
};
void UniformSumsAiry(Complex z, double fnu, bool phiAndZetaOnly, double tol,
                     AiryTypeExpansion& expansion) noexcept;
// zeta1 and zeta2 alone, as UniformSumsAiry forms them.
void UniformZetasAiry(Complex z, double fnu, double tol, AiryTypeExpansion& expansion) noexcept;

// The whole expansion of the I sequence at one order, in the form of that argument.
struct UniformLeadingExpansion {
    double order = 0.0; // 0: none formed
    bool airyForm = false;
    DebyeExpansion debye;
    AiryTypeExpansion airy;
};

// Ai(z) (derivative 0) or Ai'(z) (derivative 1) (ZAIRY), with the NZ and IERR conventions.
struct AiryResult {
    Complex value;
    int nz = 0;
    int ierr = 0;
};
AiryResult Airy(Complex z, int derivative, BesselScaling kode) noexcept;
// K(fnu, z) for Re z < 0 and one member, fnu = 1/3 or 2/3 (ZACAI).
int AiryContinuation(Complex z, double fnu, BesselScaling kode, int mr, std::span<Complex> y,
                     const BesselLimits& limits) noexcept;

} // namespace NCalculatorMath
