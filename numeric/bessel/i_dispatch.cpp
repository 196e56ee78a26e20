// IDispatch (published ZBINU): I(fnu, z) for Re z >= 0, choosing the method by region:
// - abs(z) <= 2 or abs(z)^2/4 <= fnu + 1: the power series (ISeries);
// - abs(z) >= rl and (fnu <= 1 or 2 abs(z) >= fnu^2): the large-z expansion (IAsymptotic);
// - fnu <= 1 (abs(z) < rl): Miller's algorithm with the Neumann series (IMillerSeries);
// - otherwise, after the overflow test on the I sequence: the uniform expansions when the
//   order or abs(z) exceeds fnul (IUniform), Miller with the Neumann series for
//   abs(z) <= rl, else Miller with the Wronskian (IMillerWronskian) after the overflow
//   test on K (K overflowing means I underflows; K underflowing means I overflows).
// Returns NZ >= 0, -1 (overflow) or -2 (no convergence).

#include <algorithm>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

int Failure(int nw) noexcept {
    return nw == -2 ? -2 : -1;
}

// Miller's algorithm for the nn lowest members: Neumann series or Wronskian by abs(z).
int Miller(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, double az,
           const BesselLimits& limits) noexcept {
    if (az <= limits.rl) {
        const int nw = IMillerSeries(z, fnu, kode, y, limits.tol);
        return nw < 0 ? Failure(nw) : 0;
    }
    Complex kWork[2];
    const int nuf = UniformOverflowTest(z, fnu, kode, UniformSequence::K, kWork, limits);
    if (nuf < 0) {
        std::fill(y.begin(), y.end(), Complex{});
        return static_cast<int>(y.size());
    }
    if (nuf > 0)
        return -1;
    const int nw = IMillerWronskian(z, fnu, kode, y, limits);
    return nw < 0 ? Failure(nw) : 0;
}

// NUI: the order increments that raise the highest order dfnu to fnul.
int RaisedOrders(double dfnu, const BesselLimits& limits) noexcept {
    return static_cast<int>(std::max(static_cast<long long>(limits.fnul - dfnu) + 1, 0LL));
}

// The nn lowest members (nz counted so far) after the series and the large-z expansion:
// the overflow test on the I sequence, the uniform expansions, Miller's algorithm.
// leading (may be null) keeps the test's expansion for IUniform.
int AfterSeriesAndAsymptotic(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, int nz, int nn,
                             double az, const BesselLimits& limits,
                             UniformLeadingExpansion* leading) noexcept {
    const int nuf = UniformOverflowTest(z, fnu, kode, UniformSequence::I, y.first(nn), limits, leading);
    if (nuf < 0)
        return Failure(nuf);
    nz += nuf;
    nn -= nuf;
    if (nn == 0)
        return nz;
    const double dfnu = fnu + (nn - 1);
    if (dfnu > limits.fnul || az > limits.fnul) {
        // Raise the order to fnul, use the uniform expansion, recur back down.
        int nlast = 0;
        const int nw =
            IUniform(z, fnu, kode, y.first(nn), RaisedOrders(dfnu, limits), nlast, limits, leading);
        if (nw < 0)
            return Failure(nw);
        nz += nw;
        if (nlast == 0)
            return nz;
        nn = nlast;
    }
    // When K overflows, the count is that of the members just zeroed, as published.
    const int nw = Miller(z, fnu, kode, y.first(nn), az, limits);
    return nw != 0 ? nw : nz;
}

} // namespace

int IDispatch(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
              const BesselLimits& limits) noexcept {
    int nz = 0;
    const double az = Abs(z);
    int nn = static_cast<int>(y.size());
    double dfnu = fnu + (nn - 1);
    if (az <= 2.0 || az * az * 0.25 <= dfnu + 1.0) {
        const int nw = ISeries(z, fnu, kode, y.first(nn), limits);
        const int inw = std::abs(nw);
        nz += inw;
        nn -= inw;
        if (nn == 0 || nw >= 0)
            return nz;
        dfnu = fnu + (nn - 1);
    }

    if (az >= limits.rl && (dfnu <= 1.0 || az + az >= dfnu * dfnu)) {
        const int nw = IAsymptotic(z, fnu, kode, y.first(nn), limits);
        return nw < 0 ? Failure(nw) : nz;
    }
    if (dfnu <= 1.0) {
        const int nw = IMillerSeries(z, fnu, kode, y.first(nn), limits.tol);
        return nw < 0 ? Failure(nw) : nz;
    }

    // Orders raised to fnul (nui > 0), or no uniform expansion at all, leave the test's
    // expansion unused; otherwise it is formed whole once and taken over by IUniform.
    if ((dfnu > limits.fnul || az > limits.fnul) && RaisedOrders(dfnu, limits) == 0) {
        UniformLeadingExpansion leading;
        return AfterSeriesAndAsymptotic(z, fnu, kode, y, nz, nn, az, limits, &leading);
    }
    return AfterSeriesAndAsymptotic(z, fnu, kode, y, nz, nn, az, limits, nullptr);
}

} // namespace NCalculatorMath
