// UniformOverflowTest (published ZUOIK): compares the leading exponential term of the
// uniform expansions of I or K (in logarithmic form) with elim and alim. Between alim and
// elim a refined test adds the logarithms of the other multipliers (phi, and for the
// Airy-type form the Airy argument and ln(2 sqrt pi)). Returns NUF:
// - 0: the last member is on scale;
// - -1: an overflow would occur;
// - I sequence, NUF > 0: the last NUF members were set to zero; the others must be
//   computed by another method;
// - K sequence, NUF = N: all members were set to zero.

#include <algorithm>
#include <cmath>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"
#include "numeric/bessel/uniform_common.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// The leading exponent of the expansion at one order. Only the magnitudes of phi and of
// the Airy argument and the real parts of the zetas matter here. The Airy-type phi and
// argument cost two powers and serve only the refined test: they are formed when it needs
// them (phiFormed false until then).
struct Leading {
    Complex cz;
    Complex phi;
    Complex arg;
    bool airyForm;
    bool phiFormed;
    Complex zn;
    double gnu;
    double tol;
};

// With formed, the whole expansion is formed and kept there.
Leading LeadingTerm(Complex zr, Complex zn, bool airyForm, double gnu, UniformSequence sequence,
                    BesselScaling kode, double tol, UniformLeadingExpansion* formed = nullptr) noexcept {
    Leading leading{};
    leading.airyForm = airyForm;
    leading.phiFormed = true;
    const bool phiAndZetaOnly = formed == nullptr;
    if (airyForm) {
        AiryTypeExpansion local;
        AiryTypeExpansion& e = formed != nullptr ? formed->airy : local;
        if (formed != nullptr)
            UniformSumsAiry(zn, gnu, false, tol, e);
        else
            UniformZetasAiry(zn, gnu, tol, e);
        leading.cz = e.zeta2 - e.zeta1;
        leading.phi = e.phi;
        leading.arg = e.arg;
        leading.phiFormed = formed != nullptr;
        leading.zn = zn;
        leading.gnu = gnu;
        leading.tol = tol;
    } else {
        DebyeExpansion local;
        DebyeExpansion& e = formed != nullptr ? formed->debye : local;
        UniformSumsBessel(zr, gnu, sequence, phiAndZetaOnly, tol, e);
        leading.cz = e.zeta2 - e.zeta1;
        leading.phi = e.phi;
    }
    if (formed != nullptr) {
        formed->order = gnu;
        formed->airyForm = airyForm;
    }
    if (kode == BesselScaling::Scaled)
        leading.cz = leading.cz - zr;
    return leading;
}

// The exponent refined by the logarithms of the other multipliers.
double Refined(Leading& l, double rcz) noexcept {
    if (!l.phiFormed) {
        AiryTypeExpansion e;
        UniformSumsAiry(l.zn, l.gnu, true, l.tol, e);
        l.phi = e.phi;
        l.arg = e.arg;
        l.phiFormed = true;
    }
    rcz += std::log(Abs(l.phi));
    if (l.airyForm)
        rcz -= 0.25 * std::log(Abs(l.arg)) + kAic;
    return rcz;
}

// For an exponent just above -elim, once refined: whether the value e^cz phi ... would
// lose its phase to underflow.
bool UnderflowsWithPhase(Leading l, double rcz, const BesselLimits& limits) noexcept {
    Complex cz = l.cz + Clog(l.phi);
    if (l.airyForm)
        cz = cz - 0.25 * Clog(l.arg) - Complex{kAic, 0.0};
    const double ax = std::exp(rcz) / limits.tol;
    const Complex unit = CosSin(cz.im);
    return UnderflowsWhenScaled({ax * unit.re, ax * unit.im}, limits.ascle, limits.tol);
}

} // namespace

int UniformOverflowTest(Complex z, double fnu, BesselScaling kode, UniformSequence sequence,
                        std::span<Complex> y, const BesselLimits& limits,
                        UniformLeadingExpansion* formed) noexcept {
    const double tol = limits.tol;
    int nn = static_cast<int>(y.size());
    const Complex zr = z.re >= 0.0 ? z : -z;
    const bool airyForm = std::fabs(z.im) > std::fabs(z.re) * 1.7321;
    // The Airy-type form works on zr rotated into the right half-plane.
    Complex zn{zr.im, -zr.re};
    if (z.im <= 0.0)
        zn.re = -zn.re;
    double gnu = std::max(fnu, 1.0);
    if (sequence == UniformSequence::K)
        gnu = std::max(fnu + nn - 1.0, static_cast<double>(nn));

    Leading leading = LeadingTerm(zr, zn, airyForm, gnu, sequence, kode, tol,
                                  sequence == UniformSequence::I ? formed : nullptr);
    if (sequence == UniformSequence::K)
        leading.cz = -leading.cz;
    double rcz = leading.cz.re;
    if (rcz > limits.elim)
        return -1;
    auto zeroAll = [&] {
        std::fill(y.begin(), y.begin() + nn, Complex{});
        return nn;
    };
    if (rcz >= limits.alim) {
        if (Refined(leading, rcz) > limits.elim)
            return -1;
    } else {
        if (rcz < -limits.elim)
            return zeroAll();
        if (rcz <= -limits.alim) {
            rcz = Refined(leading, rcz);
            if (rcz <= -limits.elim || UnderflowsWithPhase(leading, rcz, limits))
                return zeroAll();
        }
    }
    if (sequence == UniformSequence::K || nn == 1)
        return 0;

    // Set underflows on the I sequence, from the highest order down.
    int nuf = 0;
    for (;;) {
        gnu = fnu + (nn - 1);
        leading = LeadingTerm(zr, zn, airyForm, gnu, sequence, kode, tol);
        rcz = leading.cz.re;
        if (rcz >= -limits.elim) {
            if (rcz > -limits.alim)
                return nuf;
            rcz = Refined(leading, rcz);
            if (rcz > -limits.elim && !UnderflowsWithPhase(leading, rcz, limits))
                return nuf;
        }
        y[nn - 1] = {};
        --nn;
        ++nuf;
        if (nn == 0)
            return nuf;
    }
}

} // namespace NCalculatorMath
