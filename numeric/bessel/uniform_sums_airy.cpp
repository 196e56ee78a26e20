// UniformSumsAiry (published ZUNHJ): the parameters of the Airy-type uniform expansions
// for large order (Abramowitz and Stegun 9.3.35 to 9.3.42),
//   C(nu, nu w) = c1 phi (asum Ai(arg) + c2 bsum Ai'(arg)),  arg = nu^(2/3) zeta,
// with (2/3) nu zeta^(3/2) = zeta1 - zeta2, zeta1 = nu ln((1 + sqrt(1 - w^2)) / w),
// zeta2 = nu sqrt(1 - w^2) and phi = (4 zeta / (1 - w^2))^(1/4) / nu^(1/3). Near the turning
// point, abs(1 - w^2) <= 0.25, zeta and the sums come from power series in 1 - w^2 (tables
// gama, alfa, beta); elsewhere from the closed form of zeta and the sums of the Debye
// polynomials with the coefficients lambda_k (ar) and mu_k (br). Computed in the fourth
// quadrant, as the published routine does.

#include <algorithm>
#include <cmath>

#include "numeric/bessel/axis_arithmetic.h"
#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/bessel_tables.h"
#include "numeric/bessel/machinery.h"
#include "numeric/bessel/uniform_common.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

constexpr double kOneThird = 3.33333333333333333e-01;
constexpr double kTwoThirds = 6.66666666666666667e-01;
constexpr double kThreeHalfPi = 4.71238898038468986;
constexpr int kSeriesTerms = 30;
constexpr int kDebyeTerms = 14;

// What a call forms: the zetas; also phi and the Airy argument; also the sums.
enum class Parts { Zetas, PhiAndZetas, All };

double SumOfParts(Complex a) noexcept {
    return std::fabs(a.re) + std::fabs(a.im);
}
double SumOfParts(double a) noexcept {
    return std::fabs(a);
}

// The powers of w2 near the turning point, each written before it is read: not zero-filled.
struct Powers {
    Powers() noexcept {}
    union {
        Complex values[kSeriesTerms];
    };
};

// abs(1 - w^2) <= 0.25: power series in w2 = 1 - w^2.
void TurningPointSeries(Complex w2, double aw2, double fnu, double rfnu, double fn23, double rfn13,
                        Parts parts, double tol, AiryTypeExpansion& e) noexcept {
    Powers powers;
    Complex* const p = powers.values;
    double ap[kSeriesTerms];
    p[0] = {1.0, 0.0};
    ap[0] = 1.0;
    Complex suma{UniformSumsAiry_gama[0], 0.0};
    int kmax = 1;
    if (aw2 >= tol) {
        for (kmax = 2; kmax <= kSeriesTerms; ++kmax) {
            const int k = kmax - 1;
            p[k] = p[k - 1] * w2;
            suma = suma + p[k] * UniformSumsAiry_gama[k];
            ap[k] = ap[k - 1] * aw2;
            if (ap[k] < tol)
                break;
        }
        kmax = std::min(kmax, kSeriesTerms);
    }
    const Complex zeta = w2 * suma;
    const Complex za = Csqrt(suma);
    e.zeta2 = Csqrt(w2) * fnu;
    e.zeta1 = (Complex{1.0, 0.0} + kTwoThirds * (zeta * za)) * e.zeta2;
    if (parts == Parts::Zetas)
        return;
    e.arg = zeta * fn23;
    e.phi = Csqrt(za + za) * rfn13;
    if (parts == Parts::PhiAndZetas)
        return;

    Complex bsum{};
    for (int k = 0; k < kmax; ++k)
        bsum = bsum + p[k] * UniformSumsAiry_beta[k];
    Complex asum{};
    const double btol = tol * SumOfParts(bsum);
    const double rfnu2 = rfnu * rfnu;
    double atol = tol;
    double pp = 1.0;
    bool aDone = false;
    bool bDone = false;
    // A partial sum of the block starting at offset, stopped once ap[k] < atol.
    auto blockSum = [&](const auto& table, int offset) {
        Complex sum{};
        for (int k = 0; k < kmax; ++k) {
            sum = sum + p[k] * table[offset + k];
            if (ap[k] < atol)
                break;
        }
        return sum;
    };
    if (rfnu2 >= tol) {
        for (int block = 1; block <= 6; ++block) {
            atol /= rfnu2;
            pp *= rfnu2;
            if (!aDone) {
                asum = asum + blockSum(UniformSumsAiry_alfa, (block - 1) * kSeriesTerms) * pp;
                aDone = pp < tol;
            }
            if (!bDone) {
                bsum = bsum + blockSum(UniformSumsAiry_beta, block * kSeriesTerms) * pp;
                bDone = pp < btol;
            }
            if (aDone && bDone)
                break;
        }
    }
    e.asum = asum + Complex{1.0, 0.0};
    e.bsum = bsum * (rfnu * rfn13);
}

// abs(1 - w^2) > 0.25: the sums A and B of the Debye polynomials with the coefficients
// lambda_k and mu_k (B before its last factor), for a value type T: Complex, or double
// when w, w^2 and zeta^(3/2) are real.
template <class T>
void DebyeSums(T w, T w2, double aw2, T zth, double azth, double rfnu, double tol, T& asum,
               T& bsum) noexcept {
    const double raw = 1.0 / std::sqrt(aw2);
    const T tfn = Conj(w) * (raw * rfnu * raw);
    const double razth = 1.0 / azth;
    const T rzth = Conj(zth) * (razth * razth * rfnu);
    const T zcb = rzth * UniformSumsAiry_ar[1];
    const double raw2 = 1.0 / aw2;
    const T t2 = Conj(w2) * (raw2 * raw2);
    // Each entry of up, cr and dr is written before it is read; only Complex ones are
    // zero-filled by their type.
    T up[kDebyeTerms];
    up[1] = (t2 * UniformSumsBessel_c[1] + T{UniformSumsBessel_c[2]}) * tfn;
    bsum = up[1] + zcb;
    asum = T{};
    if (rfnu >= tol) {
        const double rfnu2 = rfnu * rfnu;
        T przth = rzth;
        T ptfn = tfn;
        T cr[kDebyeTerms];
        T dr[kDebyeTerms];
        up[0] = T{1.0};
        double ppw = 1.0;
        const double btol = tol * SumOfParts(bsum);
        int ks = 0;
        int kp1 = 2;
        int l = 3;
        bool aDone = false;
        bool bDone = false;
        for (int lr = 2; lr <= 12; lr += 2) {
            const int lrp1 = lr + 1;
            // Two more terms of up, cr and dr for the next sums.
            for (int k = lr; k <= lrp1; ++k) {
                ++ks;
                ++kp1;
                ++l;
                T poly{UniformSumsBessel_c[l - 1]};
                for (int j = 2; j <= kp1; ++j) {
                    ++l;
                    poly = poly * t2 + T{UniformSumsBessel_c[l - 1]};
                }
                ptfn = ptfn * tfn;
                up[kp1 - 1] = ptfn * poly;
                cr[ks - 1] = przth * UniformSumsAiry_br[ks];
                przth = przth * rzth;
                dr[ks - 1] = przth * UniformSumsAiry_ar[ks + 1];
            }
            ppw *= rfnu2;
            if (!aDone) {
                T suma = up[lrp1 - 1];
                for (int jr = 1, ju = lrp1; jr <= lr; ++jr) {
                    --ju;
                    suma = suma + cr[jr - 1] * up[ju - 1];
                }
                asum = asum + suma;
                aDone = ppw < tol && SumOfParts(suma) < tol;
            }
            if (!bDone) {
                T sumb = up[lr + 1] + up[lrp1 - 1] * zcb;
                for (int jr = 1, ju = lrp1; jr <= lr; ++jr) {
                    --ju;
                    sumb = sumb + dr[jr - 1] * up[ju - 1];
                }
                bsum = bsum + sumb;
                bDone = ppw < btol && SumOfParts(sumb) < btol;
            }
            if (aDone && bDone)
                break;
        }
    }
}

// The same for 0 < zb < sqrt(3)/2 on the real axis (J of a real argument below its order
// reaches it), where w, zeta and zeta^(3/2) are real and positive and the angle of
// zeta^(3/2) is 0: the steps of the complex form on real values, giving its results.
// False, with nothing formed, when zeta^(3/2) is not positive.
bool RealAwayFromTurningPoint(double zb, double w2, double fnu, double rfnu, double fn23, double rfn13,
                              Parts parts, double tol, AiryTypeExpansion& e) noexcept {
    const double w = std::sqrt(w2);
    const double zc = Larger(std::log(Divide(1.0 + w, zb)), 0.0);
    const double zth = (zc - w) * 1.5;
    if (!(zth > 0.0))
        return false;
    e.zeta1 = ToComplex(zc * fnu);
    e.zeta2 = ToComplex(w * fnu);
    if (parts == Parts::Zetas)
        return true;
    const double zeta = std::pow(zth, kTwoThirds);
    e.arg = ToComplex(zeta * fn23);
    const double rtzt = Divide(zth, zeta);
    const double za = Divide(rtzt, w);
    e.phi = ToComplex(std::sqrt(za + za) * rfn13);
    if (parts == Parts::PhiAndZetas)
        return true;
    double asum, bsum;
    DebyeSums(w, w2, w2, zth, zth, rfnu, tol, asum, bsum);
    e.asum = ToComplex(asum + 1.0);
    e.bsum = ToComplex(Divide(-bsum * rfn13, rtzt));
    return true;
}

// abs(1 - w^2) > 0.25: closed form of zeta and the Debye sums.
void AwayFromTurningPoint(Complex zb, Complex w2, double aw2, double fnu, double rfnu, double fn23,
                          double rfn13, Parts parts, double tol, AiryTypeExpansion& e) noexcept {
    if (zb.im == 0.0 && zb.re > 0.0 && w2.im == 0.0 && w2.re > 0.0 &&
        RealAwayFromTurningPoint(zb.re, w2.re, fnu, rfnu, fn23, rfn13, parts, tol, e))
        return;
    Complex w = Csqrt(w2);
    w.re = Larger(w.re, 0.0);
    w.im = Larger(w.im, 0.0);
    Complex zc = Clog(Divide(Complex{1.0, 0.0} + w, zb));
    zc.im = Smaller(Larger(zc.im, 0.0), kHalfPi);
    zc.re = Larger(zc.re, 0.0);
    const Complex zth = (zc - w) * 1.5;
    e.zeta1 = zc * fnu;
    e.zeta2 = w * fnu;
    if (parts == Parts::Zetas)
        return;
    const double azth = Abs(zth);
    double ang = kThreeHalfPi;
    if (!(zth.re >= 0.0 && zth.im < 0.0)) {
        ang = kHalfPi;
        if (zth.re != 0.0) {
            // A zero ratio (zeta^(3/2) on the real axis) is its own arctangent.
            const double ratio = zth.im / zth.re;
            ang = ratio == 0.0 ? ratio : std::atan(ratio);
            if (zth.re < 0.0)
                ang += kPi;
        }
    }
    const double pp = std::pow(azth, kTwoThirds);
    ang *= kTwoThirds;
    const Complex unit = CosSin(ang);
    Complex zeta{pp * unit.re, pp * unit.im};
    zeta.im = Larger(zeta.im, 0.0);
    e.arg = zeta * fn23;
    const Complex rtzt = Divide(zth, zeta);
    const Complex za = Divide(rtzt, w);
    e.phi = Csqrt(za + za) * rfn13;
    if (parts == Parts::PhiAndZetas)
        return;

    Complex asum, bsum;
    if (w.im == 0.0 && w2.im == 0.0 && zth.im == 0.0) {
        double a, b;
        DebyeSums(w.re, w2.re, aw2, zth.re, azth, rfnu, tol, a, b);
        asum = ToComplex(a);
        bsum = ToComplex(b);
    } else {
        DebyeSums(w, w2, aw2, zth, azth, rfnu, tol, asum, bsum);
    }
    e.asum = asum + Complex{1.0, 0.0};
    e.bsum = Divide(-bsum * rfn13, rtzt);
}

void FormAiryType(Complex z, double fnu, Parts parts, double tol, AiryTypeExpansion& e) noexcept {
    const double rfnu = 1.0 / fnu;
    if (TinyRatioParameters(z, fnu, e.zeta1, e.zeta2, e.phi)) {
        e.arg = {1.0, 0.0};
        e.asum = {};
        e.bsum = {};
        return;
    }
    const Complex zb = z * rfnu;
    // nu^(1/3) serves phi and the Airy argument only.
    const double fn13 = parts == Parts::Zetas ? 1.0 : std::pow(fnu, kOneThird);
    const double fn23 = fn13 * fn13;
    const double rfn13 = 1.0 / fn13;
    const Complex w2{1.0 - zb.re * zb.re + zb.im * zb.im, -zb.re * zb.im - zb.re * zb.im};
    const double aw2 = Abs(w2);
    if (aw2 <= 0.25)
        TurningPointSeries(w2, aw2, fnu, rfnu, fn23, rfn13, parts, tol, e);
    else
        AwayFromTurningPoint(zb, w2, aw2, fnu, rfnu, fn23, rfn13, parts, tol, e);
}

} // namespace

void UniformSumsAiry(Complex z, double fnu, bool phiAndZetaOnly, double tol, AiryTypeExpansion& e) noexcept {
    FormAiryType(z, fnu, phiAndZetaOnly ? Parts::PhiAndZetas : Parts::All, tol, e);
}

void UniformZetasAiry(Complex z, double fnu, double tol, AiryTypeExpansion& e) noexcept {
    FormAiryType(z, fnu, Parts::Zetas, tol, e);
}

} // namespace NCalculatorMath
