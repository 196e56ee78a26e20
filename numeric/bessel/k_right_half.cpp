// KRightHalf (published ZBKNU): K(fnu, z) for Re z >= 0 (Temme's method). K is formed at
// the reduced order dnu = fnu - int(fnu + 0.5) in [-1/2, 1/2) and at dnu + 1, then recurred
// forward to fnu:
// - abs(z) <= 2: the series of Temme (J. Comput. Phys. 19 (1975) 324), with the Gamma-
//   function quantity g1 from an 8-term series in dnu^2 when abs(dnu) <= 0.1;
// - abs(z) > 2: Miller's backward recurrence normalised by the sum of the recurrence values
//   (Campbell, J. Comput. Appl. Math. 5 (1979) 171), started at an index from a forward
//   recurrence (abs(z) >= t2, at most 30 steps) or from a fitted formula;
// - half-integer orders: the closed form sqrt(pi / 2z) e^-z.
// For Re z > alim with unscaled values the computation runs scaled by e^z and members that
// underflow when scaled back are counted (KScaleCheck).
// On the axes the same steps run with real or imaginary coefficients (axis_arithmetic.h).
// Returns NZ >= 0 or -2 (no convergence of the forward recurrence).

#include <cmath>

#include "numeric/bessel/axis_arithmetic.h"
#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/bessel_tables.h"
#include "numeric/bessel/machinery.h"
#include "numeric/bessel/scale_bands.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

constexpr int kForwardSteps = 30;              // KMAX
constexpr double kRthpi = 1.25331413731550025; // sqrt(pi / 2)
constexpr double kSpi = 1.90985931710274403;   // 6 / pi
constexpr double kFpi = 1.89769999331517738;

// g1 = (1/Gamma(1 - dnu) - 1/Gamma(1 + dnu)) / (2 dnu) for small abs(dnu), where the
// difference loses all digits.
double SmallOrderG1(double dnu2, double tol) noexcept {
    double ak = 1.0;
    double s = KRightHalf_cc[0];
    for (std::size_t k = 1; k < KRightHalf_cc.size(); ++k) {
        ak *= dnu2;
        const double tm = KRightHalf_cc[k] * ak;
        s += tm;
        if (std::fabs(tm) < tol)
            break;
    }
    return -s;
}

// The state of the forward recurrence K(nu + 1) = (2 nu / z) K(nu) + K(nu - 1).
// T is the type of the values, C that of the argument (axis_arithmetic.h).
template <class T, class C> struct KSequence {
    T s1, s2;      // K(dnu + j) and K(dnu + j + 1), times scale[kflag]
    C ck;          // 2 (dnu + j + 1) / z
    int kflag = 1; // index into the scaling bands
};

template <class T, class C> KSequence<Complex, Complex> ComplexSequence(const KSequence<T, C>& k) noexcept {
    return {ToComplex(k.s1), ToComplex(k.s2), ToComplex(k.ck), k.kflag};
}

// Recurs from step first to step last (inclusive), moving to the next scaling band
// whenever a value outgrows the current one.
template <class T, class C>
void RecurForward(KSequence<T, C>& sequence, C rz, long long first, long long last,
                  const ScaleBands& bands) noexcept {
    KSequence<T, C> k = sequence; // a local copy stays in registers
    double p1r = bands.unscale[k.kflag];
    double ascle = bands.bound[k.kflag];
    for (long long i = first; i <= last; ++i) {
        const T previous = k.s2;
        k.s2 = k.ck * previous + k.s1;
        k.s1 = previous;
        k.ck = k.ck + rz;
        if (k.kflag >= 2)
            continue;
        const T p2 = k.s2 * p1r;
        if (MaxPart(p2) <= ascle)
            continue;
        ++k.kflag;
        ascle = bands.bound[k.kflag];
        k.s1 = k.s1 * p1r * bands.scale[k.kflag];
        k.s2 = p2 * bands.scale[k.kflag];
        p1r = bands.unscale[k.kflag];
    }
    sequence = k;
}

// The scaled forward recurrence used when values near underflow are carried times e^z:
// looks for two consecutive members that are on scale once the factor e^-zd is applied.
// Returns the step at which they were found (s1, s2 then hold them, unscaled by tol), or
// 0 when the recurrence ended without them (zd then holds the reduced exponent).
long long FindOnScale(KSequence<Complex, Complex>& k, Complex rz, long long inu, Complex& zd,
                      const BesselLimits& limits) noexcept {
    const double tol = limits.tol;
    const double helim = 0.5 * limits.elim;
    const double elm = std::exp(-limits.elim);
    Complex found[2];
    int j = 1;
    long long ic = -1;
    for (long long i = 1; i <= inu; ++i) {
        const Complex previous = k.s2;
        k.s2 = previous * k.ck + k.s1;
        k.s1 = previous;
        k.ck = k.ck + rz;
        const double alas = std::log(Abs(k.s2));
        if (-zd.re + alas >= -limits.elim) {
            const Complex p2 = Clog(k.s2) - zd;
            const Complex p1 = ExpTimes(p2, 1.0 / tol);
            if (!UnderflowsWhenScaled(p1, limits.ascle, tol)) {
                j = 1 - j;
                found[j] = p1;
                if (ic == i - 1) {
                    k.s2 = found[j];
                    k.s1 = found[1 - j];
                    return i;
                }
                ic = i;
                continue;
            }
        }
        if (alas >= helim) {
            zd.re -= limits.elim;
            k.s1 = k.s1 * elm;
            k.s2 = k.s2 * elm;
        }
    }
    return 0;
}

// Zeroes the members that underflow once e^-zd is applied to the values carried times
// e^z, and scales the others back from the lowest band.
int ScaleCheckAndUnscale(Complex zd, std::span<Complex> y, const BesselLimits& limits,
                         const ScaleBands& bands) noexcept {
    const int nz = KScaleCheck(zd, y, limits.ascle, limits.tol, limits.elim);
    for (std::size_t i = nz; i < y.size(); ++i)
        y[i] = y[i] * bands.unscale[0];
    return nz;
}

// Writes K(fnu) (and K(fnu + 1)) from the sequence, scaled back from its band.
template <class T, class C>
void Store(KSequence<T, C> k, std::span<Complex> y, const ScaleBands& bands) noexcept {
    if (y.size() == 1)
        k.s1 = k.s2;
    y[0] = ToComplex(k.s1 * bands.unscale[k.kflag]);
    if (y.size() > 1)
        y[1] = ToComplex(k.s2 * bands.unscale[k.kflag]);
}

// The forward recurrence for values carried times e^z (Re z > alim, unscaled values): on
// the bands once two consecutive members are found on scale, else all members are tested
// for underflow.
int RecurForwardScaled(KSequence<Complex, Complex> k, Complex rz, Complex z, long long inu,
                       std::span<Complex> y, const BesselLimits& limits, const ScaleBands& bands) noexcept {
    Complex zd = z;
    if (inu > 0) {
        const long long at = FindOnScale(k, rz, inu, zd, limits);
        if (at != 0) {
            k.kflag = 0;
            RecurForward(k, rz, at + 1, inu, bands);
            Store(k, y, bands);
            return 0;
        }
    }
    if (y.size() == 1)
        k.s1 = k.s2;
    y[0] = k.s1;
    if (y.size() > 1)
        y[1] = k.s2;
    return ScaleCheckAndUnscale(zd, y, limits, bands);
}

// e times e^(-i Im z), the phase of e^-z.
Complex ScaledPhaseOfMinusZ(Complex z, double e) noexcept {
    const Complex unit = CosSin(z.im);
    return {e * unit.re, -e * unit.im};
}
Complex ScaledPhaseOfMinusZ(Imaginary z, double e) noexcept {
    return ScaledPhaseOfMinusZ(ToComplex(z), e);
}
double ScaledPhaseOfMinusZ(double, double e) noexcept {
    return e;
}

// The routine for an argument of type C (axis_arithmetic.h).
// Kept out of line: inlined together, the instantiations would share one register
// allocation, and the complex one spills in its loops.
template <class C>
[[gnu::noinline]] int KRightHalfOf(C z, double fnu, BesselScaling kode, std::span<Complex> y,
                                   const BesselLimits& limits) noexcept {
    using T = ValueType<C>;
    using Square = decltype(z * z); // real on both axes
    const int n = static_cast<int>(y.size());
    const double tol = limits.tol;
    const ScaleBands bands = MakeScaleBands(limits);
    const double caz = Abs(z);
    const C rz = TwoOver(z);
    long long inu = static_cast<long long>(fnu + 0.5);
    const double dnu = fnu - static_cast<double>(inu);
    const double dnu2 = std::fabs(dnu) > tol ? dnu * dnu : 0.0;
    bool koded = kode == BesselScaling::Scaled;
    bool underflowScaling = false; // IFLAG: computing scaled by e^z because Re z > alim
    KSequence<T, C> k;

    if (std::fabs(dnu) != 0.5 && caz <= 2.0) {
        // Series for abs(z) <= 2.
        double fc = 1.0;
        T smu = Clog(rz);
        const T fmu = smu * dnu;
        T csh, cch;
        SinhCosh(fmu, csh, cch);
        if (dnu != 0.0) {
            fc = dnu * kPi;
            fc /= std::sin(fc);
            smu = csh / dnu;
        }
        // Gamma(1 - x) Gamma(1 + x) = pi x / sin(pi x): t1 = 1/Gamma(1 - dnu), t2 = 1/Gamma(1 + dnu).
        int ierr;
        const double t2 = std::exp(-GammaLn(1.0 + dnu, ierr));
        const double t1 = 1.0 / (t2 * fc);
        const double g1 = std::fabs(dnu) > 0.1 ? (t1 - t2) / (dnu + dnu) : SmallOrderG1(dnu2, tol);
        const double g2 = (t1 + t2) * 0.5;
        T f = fc * (cch * g1 + smu * g2);
        const T efmu = Cexp(fmu);
        T p = (0.5 * efmu) / t2;
        T q = Divide(T{0.5}, efmu) / t1;
        T s1 = f;
        T s2 = p;
        const bool single = inu == 0 && n == 1; // 0 <= fnu < 1/2, one member
        if (caz >= tol) {
            const Square cz = 0.25 * (z * z);
            const double t1z = 0.25 * caz * caz;
            double ak = 1.0;
            double a1 = 1.0;
            double bk = 1.0 - dnu2;
            Square ck{1.0};
            do {
                f = (f * ak + p + q) / bk;
                p = p * (1.0 / (ak - dnu));
                q = q * (1.0 / (ak + dnu));
                const double rak = 1.0 / ak;
                ck = (ck * cz) * rak;
                s1 = ck * f + s1;
                if (!single)
                    s2 = ck * (p - f * ak) + s2;
                a1 = a1 * t1z * rak;
                bk += ak + ak + 1.0;
                ak += 1.0;
            } while (a1 > tol);
        }
        if (single) {
            y[0] = ToComplex(koded ? s1 * Cexp(z) : s1);
            return 0;
        }
        k.kflag = (fnu + 1.0) * std::fabs(RealPart(smu)) > limits.alim ? 2 : 1;
        const double scale = bands.scale[k.kflag];
        k.s2 = (s2 * scale) * rz;
        k.s1 = s1 * scale;
        if (koded) {
            const T ez = Cexp(z);
            k.s1 = k.s1 * ez;
            k.s2 = k.s2 * ez;
        }
    } else {
        // abs(z) > 2 or a half-integer order: sqrt(pi / 2z) e^-z times Miller's ratio.
        T coef = Divide(T{kRthpi}, Csqrt(z));
        k.kflag = 1;
        if (!koded) {
            if (RealPart(z) > limits.alim) {
                koded = true;
                underflowScaling = true;
            } else {
                const double e = std::exp(-RealPart(z)) * bands.scale[k.kflag];
                coef = coef * ScaledPhaseOfMinusZ(z, e);
            }
        }
        // The closed form serves half-integer orders; their cosine is not needed.
        const bool halfInteger = std::fabs(dnu) == 0.5;
        // cos(0) = 1 exactly: integer orders need no call.
        double ak = halfInteger ? 0.0 : dnu == 0.0 ? 1.0 : std::fabs(std::cos(kPi * dnu));
        double fhs = std::fabs(0.25 - dnu2);
        if (halfInteger || ak == 0.0 || fhs == 0.0) {
            k.s1 = coef;
            k.s2 = coef;
        } else {
            // Start index of the backward recurrence: t2 = f(e) is a straight line on
            // 12 <= e <= 60, e from 2^-e = tol.
            double t1 = std::fmin(std::fmax(52.0 * std::log10(2.0) * 3.321928094, 12.0), 60.0);
            const double t2 = 2.0 / 3.0 * t1 - 6.0;
            // abs(arg z), exactly 0 on the real axis.
            const double zr = RealPart(z);
            const double zi = ImagPart(z);
            t1 = zr != 0.0 ? (zi == 0.0 ? 0.0 : std::fabs(std::atan(zi / zr))) : kHalfPi;
            double fk;
            if (t2 <= caz) {
                // Forward recurrence until the test is met.
                const double etest = ak / (kPi * caz * tol);
                fk = 1.0;
                if (etest >= 1.0) {
                    double fks = 2.0;
                    double ckr = caz + caz + 2.0;
                    double p1r = 0.0;
                    double p2r = 1.0;
                    bool met = false;
                    for (int i = 0; i < kForwardSteps; ++i) {
                        ak = fhs / fks;
                        const double cbr = ckr / (fk + 1.0);
                        const double previous = p2r;
                        p2r = cbr * p2r - p1r * ak;
                        p1r = previous;
                        ckr += 2.0;
                        fks += fk + fk + 2.0;
                        fhs += fk + fk;
                        fk += 1.0;
                        if (etest < std::fabs(p2r) * fk) {
                            met = true;
                            break;
                        }
                    }
                    if (!met)
                        return -2;
                    fk += kSpi * t1 * std::sqrt(t2 / caz);
                    fhs = std::fabs(0.25 - dnu2);
                }
            } else {
                const double a2 = std::sqrt(caz);
                ak = kFpi * ak / (tol * std::sqrt(a2));
                const double aa = 3.0 * t1 / (1.0 + caz);
                const double bb = 14.7 * t1 / (28.0 + caz);
                ak = (std::log(ak) + caz * std::cos(aa) / (1.0 + 0.008 * caz)) / std::cos(bb);
                fk = 0.12125 * ak * ak / caz + 1.5;
            }

            // Backward recurrence.
            const long long steps = static_cast<long long>(fk);
            fk = static_cast<double>(steps);
            T p1{};
            T p2{tol};
            T cs = p2;
            for (long long i = 0; i < steps; ++i) {
                // fks = fk^2, formed afresh rather than updated by fks - 2 fk + 1: both are
                // exact integers, and the update would chain three additions per step.
                const double fks = fk * fk;
                const double a1 = fks - fk;
                const double akr = (fks + fk) / (a1 + fhs);
                const double rak = 2.0 / (fk + 1.0);
                const T cb = FromParts<T>((fk + zr) * rak, zi * rak);
                const T previous = p2;
                p2 = (previous * cb - p1) * akr;
                p1 = previous;
                cs = cs + p2;
                fk -= 1.0;
            }
            // p2 / cs formed as (p2 / abs(cs)) (conj(cs) / abs(cs)) for better scaling.
            double scale = 1.0 / Abs(cs);
            k.s1 = (coef * (p2 * scale)) * (Conj(cs) * scale);
            if (inu == 0 && n == 1) {
                if (underflowScaling) {
                    y[0] = ToComplex(k.s1);
                    return ScaleCheckAndUnscale(ToComplex(z), y, limits, bands);
                }
                y[0] = ToComplex(k.s1 * bands.unscale[k.kflag]);
                return 0;
            }
            // K(dnu + 1) = K(dnu) (1 + (dnu + 1/2 - p1/p2) / z).
            scale = 1.0 / Abs(p2);
            const T pt = (p1 * scale) * (Conj(p2) * scale);
            T st = Divide(FromParts<T>(dnu + 0.5 - RealPart(pt), -ImagPart(pt)), z);
            AddToRealPart(st, 1.0);
            k.s2 = st * k.s1;
        }
    }

    // Forward recurrence from K(dnu), K(dnu + 1) to the requested orders.
    k.ck = (dnu + 1.0) * rz;
    if (n == 1)
        --inu;
    if (underflowScaling)
        return RecurForwardScaled(ComplexSequence(k), ToComplex(rz), ToComplex(z), inu, y, limits, bands);
    if (inu > 0)
        RecurForward(k, rz, 1, inu, bands);
    Store(k, y, bands);
    return 0;
}

} // namespace

int KRightHalf(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
               const BesselLimits& limits) noexcept {
    // On the positive real axis every value is real. The rescaled path for Re z > alim
    // takes logarithms of values of either sign and stays complex.
    const bool rescaled = kode == BesselScaling::Unscaled && z.re > limits.alim;
    if (z.im == 0.0 && z.re > 0.0 && !rescaled)
        return KRightHalfOf(z.re, fnu, kode, y, limits);
    if (z.re == 0.0 && z.im != 0.0)
        return KRightHalfOf(Imaginary{z.im}, fnu, kode, y, limits);
    return KRightHalfOf(z, fnu, kode, y, limits);
}

} // namespace NCalculatorMath
