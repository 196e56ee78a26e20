// IRatios (published ZRATI): ratios I(fnu + k + 1, z) / I(fnu + k, z) by backward
// recurrence, the start index found by forward recurrence (D. J. Sookne, J. Res. NBS 77B
// (1973) 111-114). On the axes the same steps run with real or imaginary coefficients.
// IMillerWronskian (published ZWRSK): I(fnu, z) for Re z >= 0 from those ratios and the
// Wronskian I(nu, z) K(nu + 1, z) + I(nu + 1, z) K(nu, z) = 1/z, with K from KRightHalf.

#include <algorithm>
#include <cmath>

#include "numeric/bessel/axis_arithmetic.h"
#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// IRatios for an argument of type C (axis_arithmetic.h).
// Kept out of line: inlined together, the instantiations would share one register
// allocation, and the complex one spills in its loops.
template <class C>
[[gnu::noinline]] void IRatiosOf(C z, double fnu, std::span<Complex> ratios, double tol) noexcept {
    using T = ValueType<C>;
    constexpr double rt2 = 1.41421356237309505;
    const int n = static_cast<int>(ratios.size());
    const double az = Abs(z);
    const long long inu = static_cast<long long>(fnu);
    const long long idnu = inu + n - 1;
    const long long magz = static_cast<long long>(az);
    const double fnup = std::max(static_cast<double>(magz + 1), static_cast<double>(idnu));
    const long long id = std::min(idnu - magz - 1, 0LL);
    const C rz = TwoOver(z);

    // Forward recurrence until the values pass the test, twice.
    C t1 = rz * fnup;
    T p2 = FromParts<T>(-RealPart(t1), -ImagPart(t1));
    T p1{1.0};
    t1 = t1 + rz;
    double ap2 = Abs(p2);
    double ap1 = Abs(p1);
    // The overflow test on K before the call guarantees p2 is on scale; scaling by ap1
    // keeps later values from overflowing prematurely.
    const double test1 = std::sqrt((ap2 + ap2) / (ap1 * tol));
    double test = test1;
    const double rap1 = 1.0 / ap1;
    p1 = p1 * rap1;
    p2 = p2 * rap1;
    ap2 *= rap1;
    long long k = 1;
    // The tests compare squares: the scaled recurrence stays far below overflow.
    double norm2 = ap2 * ap2;
    for (bool refined = false;;) {
        double norm1;
        do {
            ++k;
            norm1 = norm2;
            const T previous = p2;
            p2 = p1 - t1 * previous;
            p1 = previous;
            t1 = t1 + rz;
            norm2 = Norm(p2);
        } while (norm1 <= test * test);
        if (refined)
            break;
        const double ak = Abs(t1) * 0.5;
        const double flam = ak + std::sqrt(ak * ak - 1.0);
        const double rho = std::min(std::sqrt(norm2 / norm1), flam);
        test = test1 * std::sqrt(rho / (rho * rho - 1.0));
        refined = true;
    }
    ap2 = Abs(p2);

    // Backward recurrence from index kk down to the highest requested order.
    const long long kk = k + 1 - id;
    double ak = static_cast<double>(kk);
    const double dfnu = fnu + (n - 1);
    p1 = T{1.0 / ap2};
    p2 = T{};
    for (long long i = 0; i < kk; ++i) {
        const T previous = p1;
        p1 = previous * (rz * (dfnu + ak)) + p2;
        p2 = previous;
        ak -= 1.0;
    }
    // A vanishing p1 is replaced by (tol, tol).
    ratios[n - 1] = IsZero(p1) ? Divide(ToComplex(p2), Complex{tol, tol}) : ToComplex(Divide(p2, p1));

    // Lower members: r(nu - 1) = 1 / (2 nu / z + r(nu)).
    ak = n - 1;
    const Complex cdfnu = ToComplex(fnu * rz);
    const Complex crz = ToComplex(rz);
    for (int member = n - 2; member >= 0; --member) {
        Complex pt = cdfnu + ak * crz + ratios[member + 1];
        double apt = Abs(pt);
        if (apt == 0.0) {
            pt = {tol, tol};
            apt = tol * rt2;
        }
        const double rak = 1.0 / apt;
        ratios[member] = Conj(pt) * (rak * rak);
        ak -= 1.0;
    }
}

} // namespace

void IRatios(Complex z, double fnu, std::span<Complex> ratios, double tol) noexcept {
    if (z.im == 0.0 && z.re > 0.0)
        IRatiosOf(z.re, fnu, ratios, tol);
    else if (z.re == 0.0 && z.im != 0.0)
        IRatiosOf(Imaginary{z.im}, fnu, ratios, tol);
    else
        IRatiosOf(z, fnu, ratios, tol);
}

int IMillerWronskian(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
                     const BesselLimits& limits) noexcept {
    const double tol = limits.tol;
    Complex kValues[2];
    const int nw = KRightHalf(z, fnu, kode, kValues, limits);
    if (nw != 0)
        return nw == -2 ? -2 : -1;
    IRatios(z, fnu, y, tol);

    Complex cinu{1.0, 0.0};
    if (kode == BesselScaling::Scaled)
        cinu = CosSin(z.im);
    // The K values may lie near either exponent limit: scale the normalisation.
    const double acw = Abs(kValues[1]);
    double ascle = limits.ascle;
    double cscl = 1.0;
    if (acw <= ascle) {
        cscl = 1.0 / tol;
    } else {
        ascle = 1.0 / ascle;
        if (acw >= ascle)
            cscl = tol;
    }
    const Complex c1 = kValues[0] * cscl;
    const Complex c2 = kValues[1] * cscl;
    Complex ratio = y[0];
    // cinu / ct formed as cinu * (conj(ct) / abs(ct)) * (1 / abs(ct)), so that squaring
    // abs(ct) cannot under- or overflow prematurely.
    Complex ct = z * (ratio * c1 + c2);
    const double ract = 1.0 / Abs(ct);
    ct = Conj(ct) * ract;
    cinu = (cinu * ract) * ct;
    y[0] = cinu * cscl;
    for (std::size_t i = 1; i < y.size(); ++i) {
        cinu = ratio * cinu;
        ratio = y[i];
        y[i] = cinu * cscl;
    }
    return 0;
}

} // namespace NCalculatorMath
