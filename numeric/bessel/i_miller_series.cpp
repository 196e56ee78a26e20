// IMillerSeries (published ZMLRI): I(fnu, z) for Re z >= 0 by Miller's backward
// recurrence, normalised by the Neumann series
//   e^z = sum_k eps_k (k + nu) Gamma(k + 2nu) / (k! Gamma(1 + 2nu)) (2/z)^nu I(k + nu, z).
// The start index comes from two forward-recurrence searches of at most 80 steps each
// (truncation error of the series, then of the ratios). On the axes the same steps run
// with real or imaginary coefficients (axis_arithmetic.h). Returns NZ: 0 or -2.

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/bessel/axis_arithmetic.h"
#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

constexpr int kSearchSteps = 80;

// One step of the backward recurrence I(k - 1) = (2k/z) I(k) + I(k + 1) with its
// contribution to the normalising sum.
template <class T, class C> struct BackwardRecurrence {
    T p1, p2, sum;
    C rz;
    double fkk, fnf, tfnf, bk;

    void Step() noexcept {
        const T previous = p2;
        p2 = p1 + (fkk + fnf) * (rz * previous);
        p1 = previous;
        const double ack = bk * (1.0 - tfnf / (fkk + tfnf));
        sum = sum + (ack + bk) * p1;
        bk = ack;
        fkk -= 1.0;
    }
};

// The routine for an argument of type C (axis_arithmetic.h).
// Kept out of line: inlined together, the instantiations would share one register
// allocation, and the complex one spills in its loops.
template <class C>
[[gnu::noinline]] int IMillerSeriesOf(C z, double fnu, BesselScaling kode, std::span<Complex> y,
                                      double tol) noexcept {
    using T = ValueType<C>;
    const int n = static_cast<int>(y.size());
    const double scle = std::numeric_limits<double>::min() / tol;
    const double az = Abs(z);
    const long long iaz = static_cast<long long>(az);
    const long long ifnu = static_cast<long long>(fnu);
    const long long inu = ifnu + n - 1;
    double at = static_cast<double>(iaz) + 1.0;
    const double raz = 1.0 / az;
    const C unit = FromParts<C>(RealPart(z) * raz, -ImagPart(z) * raz); // conj(z) / abs(z)
    C ck = unit * (at * raz);
    const C rz = 2.0 * raz * unit;
    T p1{};
    T p2{1.0};
    double ack = (at + 1.0) * raz;
    double rho = ack + std::sqrt(ack * ack - 1.0);
    const double rho2 = rho * rho;
    double tst = (rho2 + rho2) / ((rho2 - 1.0) * (rho - 1.0)) / tol;

    // Relative truncation error index for the series.
    double ak = at;
    int i = 1;
    for (;; ++i) {
        if (i > kSearchSteps)
            return -2;
        const T previous = p2;
        p2 = p1 - ck * previous;
        p1 = previous;
        ck = ck + rz;
        // abs(p2) > tst ak^2, compared in squares: the recurrence stays far below overflow.
        const double bound = tst * ak * ak;
        if (Norm(p2) > bound * bound)
            break;
        ak += 1.0;
    }
    ++i;

    // Relative truncation error for the ratios.
    long long k = 0;
    if (inu >= iaz) {
        p1 = T{};
        p2 = T{1.0};
        at = static_cast<double>(inu) + 1.0;
        ck = unit * (at * raz);
        ack = at * raz;
        tst = std::sqrt(ack / tol);
        bool refined = false; // ITIME = 2
        for (k = 1;; ++k) {
            if (k > kSearchSteps)
                return -2;
            const T previous = p2;
            p2 = p1 - ck * previous;
            p1 = previous;
            ck = ck + rz;
            if (Norm(p2) < tst * tst)
                continue;
            if (refined)
                break;
            ack = Abs(ck);
            const double flam = ack + std::sqrt(ack * ack - 1.0);
            const double fkap = Abs(p2) / Abs(p1);
            rho = std::min(flam, fkap);
            tst *= std::sqrt(rho / (rho * rho - 1.0));
            refined = true;
        }
    }

    // Backward recurrence and the normalising sum, scaled by scle.
    ++k;
    const long long kk = std::max(i + iaz, k + inu);
    BackwardRecurrence<T, C> recurrence{};
    recurrence.fkk = static_cast<double>(kk);
    recurrence.p2 = T{scle};
    recurrence.rz = rz;
    recurrence.fnf = fnu - static_cast<double>(ifnu);
    recurrence.tfnf = recurrence.fnf + recurrence.fnf;
    int ierr;
    recurrence.bk = std::exp(GammaLn(recurrence.fkk + recurrence.tfnf + 1.0, ierr) -
                             GammaLn(recurrence.fkk + 1.0, ierr) - GammaLn(recurrence.tfnf + 1.0, ierr));
    for (long long step = 0; step < kk - inu; ++step)
        recurrence.Step();
    y[n - 1] = ToComplex(recurrence.p2);
    for (int member = n - 2; member >= 0; --member) {
        recurrence.Step();
        y[member] = ToComplex(recurrence.p2);
    }
    for (long long step = 0; step < ifnu; ++step)
        recurrence.Step();

    T pt = FromParts<T>(kode == BesselScaling::Scaled ? 0.0 : RealPart(z), ImagPart(z));
    const T logRz = Clog(rz);
    pt = -recurrence.fnf * logRz + pt;
    AddToRealPart(pt, -GammaLn(1.0 + recurrence.fnf, ierr));
    // exp(pt) / (sum + p2), altered to avoid overflow in the denominator.
    const T total = recurrence.p2 + recurrence.sum;
    const double reciprocal = 1.0 / Abs(total);
    const T norm = (Cexp(pt) * reciprocal) * (Conj(total) * reciprocal);
    for (Complex& value : y)
        value = value * norm;
    return 0;
}

} // namespace

int IMillerSeries(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, double tol) noexcept {
    if (z.im == 0.0 && z.re > 0.0)
        return IMillerSeriesOf(z.re, fnu, kode, y, tol);
    if (z.re == 0.0 && z.im != 0.0)
        return IMillerSeriesOf(Imaginary{z.im}, fnu, kode, y, tol);
    return IMillerSeriesOf(z, fnu, kode, y, tol);
}

} // namespace NCalculatorMath
