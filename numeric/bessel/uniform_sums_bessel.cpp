// UniformSumsBessel (published ZUNIK): the parameters of the Debye (Bessel-type) uniform
// expansions for large order (Abramowitz and Stegun 9.7.7, 9.7.8),
//   I(nu, nu w) ~ phi e^(zeta2 - zeta1) sum u_k(t) / nu^k,
//   K(nu, nu w) ~ phi e^(zeta1 - zeta2) sum (-1)^k u_k(t) / nu^k,
// with t = 1 / sqrt(1 + w^2), zeta1 = nu ln((1 + sqrt(1 + w^2)) / w), zeta2 = nu sqrt(1 + w^2),
// phi = sqrt(t / nu) / sqrt(2 pi) for I and sqrt(t / nu) sqrt(pi / 2) for K. The terms
// u_k(t) / nu^k, k = 0..14, are formed once and summed for I or K; the series stops when
// a term and the power of 1/nu both fall below tol.

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "numeric/bessel/axis_arithmetic.h"
#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/bessel_tables.h"
#include "numeric/bessel/machinery.h"
#include "numeric/bessel/uniform_common.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

constexpr int kTermCount = 15;

double PhiFactor(UniformSequence sequence) noexcept {
    return UniformSumsBessel_con[sequence == UniformSequence::I ? 0 : 1];
}

// The terms u_k(t) / nu^k, k = 1..14, into terms[1..]; t2 = t^2 and tOverNu = t / nu.
// T is double on the real axis, where both are real. Returns the number of terms formed.
template <class T> int DebyeTerms(T t2, T tOverNu, double rfn, double tol, Complex* terms) noexcept {
    T crfn{1.0};
    double ac2 = 1.0;
    std::size_t l = 0;
    int k = 2;
    for (; k <= kTermCount; ++k) {
        T poly{};
        for (int j = 1; j <= k; ++j)
            poly = poly * t2 + T{UniformSumsBessel_c[++l]};
        crfn = crfn * tOverNu;
        const T term = crfn * poly;
        terms[k - 1] = ToComplex(term);
        ac2 *= rfn;
        if (ac2 < tol && std::fabs(RealPart(term)) + std::fabs(ImagPart(term)) < tol)
            break;
    }
    return std::min(k, kTermCount);
}

// phi, the zetas and (unless phiAndZetaOnly) the terms, for an argument of type T: double
// on the positive real axis, where every quantity is real, else Complex.
template <class T>
void FormExpansion(T z, double fnu, double rfn, UniformSequence sequence, bool phiAndZetaOnly, double tol,
                   DebyeExpansion& e) noexcept {
    const T one{1.0};
    const T t = z * rfn;
    const T s = one + t * t;
    const T sr = Csqrt(s);
    const T zn = Divide(one + sr, t);
    e.zeta1 = ToComplex(fnu * Clog(zn));
    e.zeta2 = ToComplex(fnu * sr);
    const T tOverNu = Divide(one, sr) * rfn;
    e.terms[15] = ToComplex(Csqrt(tOverNu));
    e.phi = e.terms[15] * PhiFactor(sequence);
    if (phiAndZetaOnly)
        return;
    // u_k(t) / nu^k with u_k a polynomial in t^2 times t^k (coefficients in increasing powers).
    const T t2 = Divide(one, s);
    e.terms[0] = {1.0, 0.0};
    if constexpr (std::is_same_v<T, double>)
        e.termCount = DebyeTerms(t2, tOverNu, rfn, tol, e.terms);
    else
        e.termCount = t2.im == 0.0 && tOverNu.im == 0.0 ? DebyeTerms(t2.re, tOverNu.re, rfn, tol, e.terms)
                                                        : DebyeTerms(t2, tOverNu, rfn, tol, e.terms);
}

} // namespace

void UniformSumsBessel(Complex z, double fnu, UniformSequence sequence, bool phiAndZetaOnly, double tol,
                       DebyeExpansion& e) noexcept {
    Complex* const cwrk = e.terms;
    if (e.termCount == 0) {
        const double rfn = 1.0 / fnu;
        if (TinyRatioParameters(z, fnu, e.zeta1, e.zeta2, e.phi)) {
            e.sum = {};
            return;
        }
        if (z.im == 0.0 && z.re > 0.0)
            FormExpansion(z.re, fnu, rfn, sequence, phiAndZetaOnly, tol, e);
        else
            FormExpansion(z, fnu, rfn, sequence, phiAndZetaOnly, tol, e);
        if (phiAndZetaOnly)
            return;
    }

    Complex sum{};
    double sign = 1.0;
    for (int i = 0; i < e.termCount; ++i) {
        sum = sum + cwrk[i] * sign;
        if (sequence == UniformSequence::K)
            sign = -sign;
    }
    e.sum = sum;
    e.phi = cwrk[15] * PhiFactor(sequence);
}

} // namespace NCalculatorMath
