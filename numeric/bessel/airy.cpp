// Airy (published ZAIRY): Ai(z) or Ai'(z) for complex z (Abramowitz and Stegun 10.4.14,
// 10.4.16, 10.4.2, 10.4.4):
// - abs(z) <= 1: the power series about 0 (only the leading terms below tol);
// - abs(z) > 1: Ai(z) = sqrt(z) K(1/3, zeta) / (pi sqrt 3), Ai'(z) = -z K(2/3, zeta) / (pi sqrt 3),
//   zeta = (2/3) z^(3/2), K from KRightHalf, or for the left half-plane from
//   AiryContinuation; with overflow and underflow tests against elim and alim.
// Scaled values (KODE = 2) are times e^zeta.
// AiryContinuation (published ZACAI): KContinuation for one member of order 1/3 or 2/3,
// the I term from ISeries, IAsymptotic or IMillerSeries directly (never the uniform
// expansions, which would call Airy again).

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

constexpr double kTwoThirds = 6.66666666666666667e-01;
constexpr double kAiAtZero = 3.55028053887817240e-01;       // Ai(0)
constexpr double kMinusDaiAtZero = 2.58819403792806799e-01; // -Ai'(0)
constexpr double kCoef = 1.83776298473930683e-01;           // 1 / (pi sqrt 3)

Complex Zeta(Complex z) noexcept {
    return kTwoThirds * (z * Csqrt(z));
}

// abs(z) <= 1: the power series of Ai or Ai' about 0.
Complex AirySeries(Complex z, double az, int id, BesselScaling kode, double tol) noexcept {
    const double fid = id;
    Complex s1{1.0, 0.0};
    Complex s2{1.0, 0.0};
    const double aa = az * az;
    if (aa >= tol / az) {
        Complex trm1{1.0, 0.0};
        Complex trm2{1.0, 0.0};
        double atrm = 1.0;
        const Complex z3 = (z * z) * z;
        const double az3 = az * aa;
        double ak = 2.0 + fid;
        double bk = 3.0 - fid - fid;
        const double ck = 4.0 - fid;
        const double dk = 3.0 + fid + fid;
        double d1 = ak * dk;
        double d2 = bk * ck;
        double ad = std::min(d1, d2);
        ak = 24.0 + 9.0 * fid;
        bk = 30.0 - 9.0 * fid;
        for (int k = 0; k < 25; ++k) {
            trm1 = (trm1 * z3) / d1;
            s1 = s1 + trm1;
            trm2 = (trm2 * z3) / d2;
            s2 = s2 + trm2;
            atrm = atrm * az3 / ad;
            d1 += ak;
            d2 += bk;
            ad = std::min(d1, d2);
            if (atrm < tol * ad)
                break;
            ak += 18.0;
            bk += 18.0;
        }
    }
    Complex ai;
    if (id == 0) {
        ai = s1 * kAiAtZero - kMinusDaiAtZero * (z * s2);
    } else {
        ai = -s2 * kMinusDaiAtZero;
        if (az > tol)
            ai = ai + (kAiAtZero / (1.0 + fid)) * ((z * s1) * z);
    }
    if (kode == BesselScaling::Scaled)
        ai = ai * Cexp(Zeta(z));
    return ai;
}

// abs(z) < tol: the leading terms.
Complex AiryLeading(Complex z, double az, int id) noexcept {
    const double ufl = 1.0e3 * std::numeric_limits<double>::min();
    if (id == 0)
        return az > ufl ? Complex{kAiAtZero, 0.0} - kMinusDaiAtZero * z : Complex{kAiAtZero, 0.0};
    if (az > std::sqrt(ufl))
        return Complex{-kMinusDaiAtZero, 0.0} + kAiAtZero * (0.5 * (z * z));
    return {-kMinusDaiAtZero, 0.0};
}

// The argument limits: the order limits raised to the power 2/3, formed once.
struct ArgumentLimits {
    double aa, sqrtAA;
};

const ArgumentLimits& AiryArgumentLimits() noexcept {
    static const ArgumentLimits limits = [] {
        const double aa = std::pow(MachineBesselLimits().aa, kTwoThirds);
        return ArgumentLimits{aa, std::sqrt(aa)};
    }();
    return limits;
}

} // namespace

AiryResult Airy(Complex z, int id, BesselScaling kode) noexcept {
    AiryResult result;
    const BesselLimits& limits = MachineBesselLimits();
    const double tol = limits.tol;
    const double az = Abs(z);
    if (az <= 1.0) {
        result.value = az < tol ? AiryLeading(z, az, id) : AirySeries(z, az, id, kode, tol);
        return result;
    }

    const double fnu = (1.0 + id) / 3.0;
    const double alaz = std::log(az);
    const ArgumentLimits& argumentLimits = AiryArgumentLimits();
    if (az > argumentLimits.aa) {
        result.ierr = 4;
        return result;
    }
    if (az > argumentLimits.sqrtAA)
        result.ierr = 3;
    const Complex csq = Csqrt(z);
    Complex zta = kTwoThirds * (z * csq);
    // Re zeta <= 0 when Re z < 0, especially when Im z is small.
    if (z.re < 0.0)
        zta.re = -std::fabs(zta.re);
    if (z.im == 0.0 && z.re <= 0.0)
        zta.re = 0.0;

    enum class Band { OnScale, NearOverflow, NearUnderflow } band = Band::OnScale;
    double sfac = 1.0;
    Complex cy[1];
    if (zta.re >= 0.0 && z.re > 0.0) {
        if (kode == BesselScaling::Unscaled && zta.re >= limits.alim) {
            band = Band::NearUnderflow;
            sfac = 1.0 / tol;
            if (-zta.re - 0.25 * alaz < -limits.elim) {
                result.nz = 1;
                return result;
            }
        }
        result.nz = KRightHalf(zta, fnu, kode, cy, limits);
    } else {
        if (kode == BesselScaling::Unscaled && zta.re <= -limits.alim) {
            band = Band::NearOverflow;
            sfac = tol;
            if (-zta.re + 0.25 * alaz > limits.elim) {
                result.ierr = 2;
                return result;
            }
        }
        const int mr = z.im < 0.0 ? -1 : 1;
        const int nn = AiryContinuation(zta, fnu, kode, mr, cy, limits);
        if (nn < 0) {
            result.ierr = nn == -1 ? 2 : 5;
            return result;
        }
        result.nz += nn;
    }

    Complex s1 = cy[0] * kCoef;
    if (band == Band::OnScale) {
        result.value = id == 0 ? csq * s1 : -(z * s1);
        return result;
    }
    s1 = s1 * sfac;
    s1 = id == 0 ? s1 * csq : -(s1 * z);
    result.value = s1 / sfac;
    return result;
}

int AiryContinuation(Complex z, double fnu, BesselScaling kode, int mr, std::span<Complex> y,
                     const BesselLimits& limits) noexcept {
    const Complex zn = -z;
    const double az = Abs(z);
    const double dfnu = fnu + (static_cast<int>(y.size()) - 1);
    int nw;
    if (az <= 2.0 || az * az * 0.25 <= dfnu + 1.0) {
        ISeries(zn, fnu, kode, y, limits);
    } else if (az >= limits.rl) {
        nw = IAsymptotic(zn, fnu, kode, y, limits);
        if (nw < 0)
            return nw == -2 ? -2 : -1;
    } else {
        nw = IMillerSeries(zn, fnu, kode, y, limits.tol);
        if (nw < 0)
            return nw == -2 ? -2 : -1;
    }
    Complex cy[1];
    nw = KRightHalf(zn, fnu, kode, cy, limits);
    if (nw != 0)
        return nw == -2 ? -2 : -1;

    return ApplyContinuation(zn, fnu, kode, mr, cy, y, limits);
}

} // namespace NCalculatorMath
