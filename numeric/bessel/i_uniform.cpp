// I for large orders by the uniform expansions:
// - IUniformBessel (published ZUNI1): the Debye form, for abs(arg z) <= pi/3;
// - IUniformAiry (published ZUNI2): I(nu, z) = e^(i pi nu / 2) J(nu, -i z) from the
//   Airy-type form of J, for pi/3 < abs(arg z) <= pi/2;
// - IUniform (published ZBUNI): for abs(z) > fnul or an order below fnul, raises the
//   order by NUI to where the expansion holds and recurs back down.
// Each member is tested against elim and alim: overflow gives NZ = -1, an underflowing
// member is zeroed and counted. NLAST > 0 is the number of lowest members left for
// another method because their order fell below fnul.

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/bessel_tables.h"
#include "numeric/bessel/machinery.h"
#include "numeric/bessel/scale_bands.h"
#include "numeric/bessel/uniform_common.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// The common tail of both forms after a member failed at order index nd: zero it, test
// the rest, and say whether the expansion can go on (true) or the routine returns.
enum class Next { Continue, Return };
Next AfterUnderflow(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, int& nd, int& nz,
                    int& nlast, const BesselLimits& limits) noexcept {
    y[nd - 1] = {};
    ++nz;
    if (--nd == 0)
        return Next::Return;
    const int nuf = UniformOverflowTest(z, fnu, kode, UniformSequence::I, y.first(nd), limits);
    if (nuf < 0) {
        nz = -1;
        return Next::Return;
    }
    nd -= nuf;
    nz += nuf;
    if (nd == 0)
        return Next::Return;
    if (fnu + (nd - 1) >= limits.fnul)
        return Next::Continue;
    nlast = nd;
    return Next::Return;
}

// The loop both forms share. Form supplies the expansion type, the sums at an order, the
// argument of the exponent, the shift of the scaled exponent, the refinement of the
// overflow test, a member's value before scaling, its last phase factor, and a restart
// after members were dropped.
template <class Form>
int IUniformMembers(Form& form, Complex z, double fnu, BesselScaling kode, std::span<Complex> y, int& nlast,
                    const BesselLimits& limits, const typename Form::Expansion* leading) noexcept {
    using Expansion = typename Form::Expansion;
    const int n = static_cast<int>(y.size());
    const double tol = limits.tol;
    const ScaleBands bands = MakeScaleBands(limits);
    int nz = 0;
    int nd = n;
    nlast = 0;

    // Underflow and overflow on the first member. When its order is that of the highest
    // member, the whole expansion is formed (or taken over) here and serves that member too.
    double fn = std::max(fnu, 1.0);
    const bool firstIsHighest = fn == fnu + (n - 1);
    Expansion formedFirst;
    if (leading == nullptr)
        form.Sums(fn, !firstIsHighest, tol, formedFirst);
    const Expansion& first = leading != nullptr ? *leading : formedFirst;
    const double rs1First = UniformExponent(form.exponentArgument, first.zeta1, first.zeta2, fn, kode).re;
    if (std::fabs(rs1First) > limits.elim) {
        if (rs1First > 0.0)
            return -1;
        std::fill(y.begin(), y.end(), Complex{});
        return n;
    }

    for (;;) {
        int band = 1;
        bool failed = false;
        double rs1 = 0.0;
        for (int i = 1; i <= std::min(2, nd); ++i) {
            fn = fnu + (nd - i);
            Expansion formed;
            const bool reuse = firstIsHighest && nd == n && i == 1;
            if (!reuse)
                form.Sums(fn, false, tol, formed);
            const Expansion& e = reuse ? first : formed;
            Complex s1 = UniformExponent(form.exponentArgument, e.zeta1, e.zeta2, fn, kode);
            if (kode == BesselScaling::Scaled)
                s1.im += form.scaledShift;
            rs1 = s1.re;
            if (!SelectBand(
                    rs1, [&] { return Form::Refinement(e); }, limits, i == 1, band)) {
                failed = true;
                break;
            }
            const Complex s2 = form.Value(e) * ExpTimes(s1, bands.scale[band]);
            if (band == 0 && UnderflowsWhenScaled(s2, bands.bound[0], tol)) {
                failed = true;
                break;
            }
            y[nd - i] = form.Phased(s2) * bands.unscale[band];
        }
        if (!failed)
            return nz;
        if (rs1 > 0.0)
            return -1;
        if (AfterUnderflow(z, fnu, kode, y, nd, nz, nlast, limits) == Next::Return)
            return nz;
        form.Restart(nd);
    }
}

// The Debye form at z itself.
struct DebyeForm {
    using Expansion = DebyeExpansion;
    Complex exponentArgument;
    double scaledShift;

    void Sums(double fn, bool leadingOnly, double tol, DebyeExpansion& e) const noexcept {
        UniformSumsBessel(exponentArgument, fn, UniformSequence::I, leadingOnly, tol, e);
    }
    static double Refinement(const DebyeExpansion& e) noexcept { return DebyeRefinement(e); }
    static Complex Value(const DebyeExpansion& e) noexcept { return e.phi * e.sum; }
    static Complex Phased(Complex s2) noexcept { return s2; }
    static void Restart(int) noexcept {}
};

// The Airy-type form of J at zn = -i z (or i z below the real axis), in the right
// half-plane, times the phase e^(i pi nu / 2) of each member.
struct AiryForm {
    using Expansion = AiryTypeExpansion;
    Complex z, zn, exponentArgument;
    double scaledShift;
    double cidi;
    long long inu;
    Complex phase, c2;

    AiryForm(Complex z, double fnu, int n) noexcept
        : z(z), zn{z.im, -z.re}, exponentArgument(z), scaledShift(std::fabs(z.im)), cidi(-1.0),
          inu(static_cast<long long>(fnu)), phase(CosSin(kHalfPi * (fnu - static_cast<double>(inu)))) {
        if (z.im <= 0.0) {
            zn.re = -zn.re;
            exponentArgument.im = -exponentArgument.im;
            cidi = -cidi;
        }
        Restart(n);
    }

    void Sums(double fn, bool leadingOnly, double tol, AiryTypeExpansion& e) const noexcept {
        UniformSumsAiry(zn, fn, leadingOnly, tol, e);
    }
    static double Refinement(const AiryTypeExpansion& e) noexcept { return AiryRefinement(e); }
    static Complex Value(const AiryTypeExpansion& e) noexcept {
        const Complex ai = Airy(e.arg, 0, BesselScaling::Scaled).value;
        const Complex dai = Airy(e.arg, 1, BesselScaling::Scaled).value;
        return e.phi * (dai * e.bsum + ai * e.asum);
    }
    Complex Phased(Complex s2) noexcept {
        if (z.im <= 0.0)
            s2.im = -s2.im;
        s2 = s2 * c2;
        c2 = {-c2.im * cidi, c2.re * cidi};
        return s2;
    }
    // The phase of the highest of the members left, the integer part of the order taken
    // as a power of i.
    void Restart(int members) noexcept {
        const std::size_t k = static_cast<std::size_t>((inu + members - 1) % 4);
        c2 = phase * Complex{IUniformAiry_cipr[k], IUniformAiry_cipi[k]};
        if (z.im <= 0.0)
            c2.im = -c2.im;
    }
};

// Whether an overflow test at the same argument formed this form's expansion at the
// first member's order already.
bool TakenOver(const UniformLeadingExpansion* leading, double fnu, bool airyForm) noexcept {
    return leading != nullptr && leading->order == std::max(fnu, 1.0) && leading->airyForm == airyForm;
}

} // namespace

int IUniformBessel(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, int& nlast,
                   const BesselLimits& limits, const UniformLeadingExpansion* leading) noexcept {
    DebyeForm form{z, z.im};
    return IUniformMembers(form, z, fnu, kode, y, nlast, limits,
                           TakenOver(leading, fnu, false) ? &leading->debye : nullptr);
}

int IUniformAiry(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, int& nlast,
                 const BesselLimits& limits, const UniformLeadingExpansion* leading) noexcept {
    AiryForm form(z, fnu, static_cast<int>(y.size()));
    return IUniformMembers(form, z, fnu, kode, y, nlast, limits,
                           TakenOver(leading, fnu, true) ? &leading->airy : nullptr);
}

int IUniform(Complex z, double fnu, BesselScaling kode, std::span<Complex> y, int nui, int& nlast,
             const BesselLimits& limits, const UniformLeadingExpansion* leading) noexcept {
    const int n = static_cast<int>(y.size());
    const double tol = limits.tol;
    const bool airyForm = std::fabs(z.im) > std::fabs(z.re) * 1.7321;
    auto expansion = airyForm ? IUniformAiry : IUniformBessel;
    if (nui == 0) {
        const int nw = expansion(z, fnu, kode, y, nlast, limits, leading);
        return nw < 0 ? (nw == -2 ? -2 : -1) : nw;
    }

    // I at the raised order gnu and gnu + 1.
    double fnui = nui;
    const double dfnu = fnu + (n - 1);
    Complex cy[2];
    const int nw = expansion(z, dfnu + fnui, kode, std::span<Complex>(cy), nlast, limits, nullptr);
    if (nw < 0)
        return nw == -2 ? -2 : -1;
    if (nw != 0) {
        nlast = n;
        return 0;
    }

    // Backward recurrence I(nu - 1) = (2 nu / z) I(nu) + I(nu + 1), scaled by bands.
    const double bry[3] = {limits.ascle, 1.0 / limits.ascle, std::numeric_limits<double>::max()};
    const double size = Abs(cy[0]);
    int band = 1;
    double cscl = 1.0;
    if (size <= bry[0]) {
        band = 0;
        cscl = 1.0 / tol;
    } else if (size >= bry[1]) {
        band = 2;
        cscl = tol;
    }
    double ascle = bry[band];
    double cscr = 1.0 / cscl;
    Complex s1 = cy[1] * cscl;
    Complex s2 = cy[0] * cscl;
    const Complex rz = TwoOver(z);
    auto step = [&](double order) {
        const Complex previous = s2;
        s2 = order * (rz * previous) + s1;
        s1 = previous;
        const Complex value = s2 * cscr;
        if (band < 2 && MaxPart(value) > ascle) {
            ++band;
            ascle = bry[band];
            s1 = s1 * cscr;
            s2 = value;
            cscl *= tol;
            cscr = 1.0 / cscl;
            s1 = s1 * cscl;
            s2 = s2 * cscl;
        }
        return value;
    };
    for (int i = 0; i < nui; ++i) {
        step(dfnu + fnui);
        fnui -= 1.0;
    }
    y[n - 1] = s2 * cscr;
    for (int k = n - 1; k >= 1; --k)
        y[k - 1] = step(fnu + k);
    return 0;
}

} // namespace NCalculatorMath
