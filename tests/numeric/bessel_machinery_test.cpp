// The Bessel machinery: which method serves which region, runs of two orders against
// single calls (with a sentinel beyond the output), argument checks of the top-level
// routines, the Airy function and ln Gamma.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "numeric/bessel/machinery.h"

namespace {

using namespace NCalculatorMath;

const BesselLimits kLimits = MachineBesselLimits();
constexpr BesselScaling kUnscaled = BesselScaling::Unscaled;

double Distance(Complex a, Complex b) {
    return std::hypot(a.re - b.re, a.im - b.im);
}
double Size(Complex a) {
    return std::hypot(a.re, a.im);
}

TEST(BesselLimits, DerivedParametersHaveTheirDoublePrecisionValues) {
    EXPECT_DOUBLE_EQ(kLimits.tol, 2.220446049250313e-16);
    EXPECT_NEAR(kLimits.elim, 700.9217936944459, 1e-12);
    EXPECT_NEAR(kLimits.alim, 664.8716455337102, 1e-12);
    EXPECT_NEAR(kLimits.rl, 21.784271729432426, 1e-13);
    EXPECT_NEAR(kLimits.fnul, 85.92135864716212, 1e-12);
    EXPECT_DOUBLE_EQ(kLimits.ufl, 2.2250738585072014e-305);
    EXPECT_EQ(kLimits.aa, 2251799813685248.0);
    EXPECT_DOUBLE_EQ(kLimits.sqrtAA, 47453132.81212578);
}

// --- Region choice: IDispatch gives bit for bit the result of the method it chose ----------

using Method = int (*)(Complex, double, BesselScaling, std::span<Complex>, const BesselLimits&) noexcept;

int MillerSeries(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
                 const BesselLimits& limits) noexcept {
    return IMillerSeries(z, fnu, kode, y, limits.tol);
}

int UniformBessel(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
                  const BesselLimits& limits) noexcept {
    int nlast;
    return IUniformBessel(z, fnu, kode, y, nlast, limits);
}

int UniformAiry(Complex z, double fnu, BesselScaling kode, std::span<Complex> y,
                const BesselLimits& limits) noexcept {
    int nlast;
    return IUniformAiry(z, fnu, kode, y, nlast, limits);
}

struct Region {
    const char* name;
    double fnu;
    Complex z;
    Method method;
};

class DispatchChooses : public testing::TestWithParam<Region> {};

TEST_P(DispatchChooses, TheMethodOfTheRegion) {
    const Region& r = GetParam();
    Complex viaDispatch[1] = {};
    Complex direct[1] = {};
    EXPECT_EQ(IDispatch(r.z, r.fnu, kUnscaled, viaDispatch, kLimits), 0);
    EXPECT_EQ(r.method(r.z, r.fnu, kUnscaled, std::span<Complex>(direct), kLimits), 0);
    EXPECT_EQ(viaDispatch[0].re, direct[0].re);
    EXPECT_EQ(viaDispatch[0].im, direct[0].im);
}

INSTANTIATE_TEST_SUITE_P(
    Bessel, DispatchChooses,
    testing::Values(Region{"series_for_small_z", 1.0, {1.5, 0.0}, ISeries},
                    Region{"large_z_expansion_beyond_rl", 1.0, {30.0, 0.0}, IAsymptotic},
                    Region{"miller_with_series_below_rl", 0.5, {10.0, 0.0}, MillerSeries},
                    Region{"miller_with_wronskian_above_rl", 30.0, {25.0, 5.0}, IMillerWronskian},
                    Region{"series_while_z_squared_over_4_below_order", 100.0, {10.0, 0.0}, ISeries},
                    Region{"uniform_expansion_above_fnul", 100.0, {30.0, 0.0}, UniformBessel},
                    Region{"uniform_airy_form_on_the_imaginary_axis", 100.0, {0.0, -30.0}, UniformAiry},
                    Region{"uniform_expansion_off_the_axis", 90.5, {30.0, 20.0}, UniformBessel}),
    [](const testing::TestParamInfo<Region>& info) { return std::string(info.param.name); });

TEST(KRegions, LargeOrdersUseTheAiryTypeFormOffTheRealAxis) {
    Complex viaK[1] = {};
    Complex direct[1] = {};
    ComputeK({10.0, 50.0}, 100.0, kUnscaled, viaK);
    KUniformAiry({10.0, 50.0}, 100.0, kUnscaled, 0, direct, kLimits);
    EXPECT_EQ(viaK[0].re, direct[0].re);
    EXPECT_EQ(viaK[0].im, direct[0].im);
    ComputeK({50.0, 10.0}, 100.0, kUnscaled, viaK);
    KUniformBessel({50.0, 10.0}, 100.0, kUnscaled, 0, direct, kLimits);
    EXPECT_EQ(viaK[0].re, direct[0].re);
    EXPECT_EQ(viaK[0].im, direct[0].im);
}

// --- Two members against two single calls ----------------------------------------------------

using TopLevel = BesselResult (*)(Complex, double, BesselScaling, std::span<Complex>) noexcept;

BesselResult HankelFirst(Complex z, double fnu, BesselScaling kode, std::span<Complex> y) noexcept {
    return ComputeH(z, fnu, kode, 1, y);
}
BesselResult HankelSecond(Complex z, double fnu, BesselScaling kode, std::span<Complex> y) noexcept {
    return ComputeH(z, fnu, kode, 2, y);
}

struct Run {
    const char* name;
    TopLevel routine;
};

class TwoMembers : public testing::TestWithParam<Run> {};

TEST_P(TwoMembers, MatchSingleCallsAndLeaveTheRestAlone) {
    const Complex arguments[] = {{0.8, 0.3},    {12.0, -7.0}, {-30.0, 4.0},
                                 {-3.0, -40.0}, {95.0, 60.0}, {0.0, 25.0}};
    const double orders[] = {0.0, 0.4, 2.5, 17.0, 84.6, 120.3};
    const Complex sentinel{12345.0, -678.0};
    for (const Complex& z : arguments) {
        for (const double fnu : orders) {
            for (const BesselScaling kode : {BesselScaling::Unscaled, BesselScaling::Scaled}) {
                SCOPED_TRACE(std::to_string(fnu) + " at " + std::to_string(z.re) + "+" +
                             std::to_string(z.im) + "i");
                Complex pair[3] = {{}, {}, sentinel};
                Complex first[1] = {};
                Complex second[1] = {};
                const BesselResult both = GetParam().routine(z, fnu, kode, std::span<Complex>(pair, 2));
                const BesselResult one = GetParam().routine(z, fnu, kode, std::span<Complex>(first));
                const BesselResult next = GetParam().routine(z, fnu + 1.0, kode, std::span<Complex>(second));
                EXPECT_EQ(pair[2], sentinel);
                if (both.ierr != 0 || both.nz != 0 || one.ierr != 0 || next.ierr != 0 || one.nz != 0 ||
                    next.nz != 0)
                    continue;
                EXPECT_LE(Distance(pair[0], first[0]), 1e-13 * Size(first[0]));
                EXPECT_LE(Distance(pair[1], second[0]), 1e-13 * Size(second[0]));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bessel, TwoMembers,
                         testing::Values(Run{"I", ComputeI}, Run{"J", ComputeJ}, Run{"K", ComputeK},
                                         Run{"H1", HankelFirst}, Run{"H2", HankelSecond}),
                         [](const testing::TestParamInfo<Run>& info) {
                             return std::string(info.param.name);
                         });

TEST(Scaling, ScaledValuesCarryTheirExponentialFactor) {
    const Complex z{3.0, -2.0};
    Complex plain[1] = {};
    Complex scaled[1] = {};
    ComputeI(z, 1.5, BesselScaling::Unscaled, plain);
    ComputeI(z, 1.5, BesselScaling::Scaled, scaled);
    // I scaled by e^(-abs(Re z)).
    EXPECT_NEAR(scaled[0].re, plain[0].re * std::exp(-3.0), 1e-14);
    EXPECT_NEAR(scaled[0].im, plain[0].im * std::exp(-3.0), 1e-14);
    ComputeK(z, 1.5, BesselScaling::Unscaled, plain);
    ComputeK(z, 1.5, BesselScaling::Scaled, scaled);
    // K scaled by e^z.
    const double m = std::exp(3.0);
    const Complex ez{m * std::cos(-2.0), m * std::sin(-2.0)};
    EXPECT_NEAR(scaled[0].re, plain[0].re * ez.re - plain[0].im * ez.im, 1e-14);
    EXPECT_NEAR(scaled[0].im, plain[0].re * ez.im + plain[0].im * ez.re, 1e-14);
}

// --- Argument checks of the top-level routines ---------------------------------------------------

TEST(TopLevel, ArgumentChecksGiveTheirErrorCodes) {
    Complex y[1] = {};
    EXPECT_EQ(ComputeK({0.0, 0.0}, 1.0, kUnscaled, y).ierr, 1);
    EXPECT_EQ(ComputeK({1e-306, 0.0}, 1.0, kUnscaled, y).ierr, 2);
    EXPECT_EQ(ComputeH({0.0, 0.0}, 1.0, kUnscaled, 1, y).ierr, 1);
    EXPECT_EQ(ComputeH({1.0, 0.0}, 1.0, kUnscaled, 3, y).ierr, 1);
    EXPECT_EQ(ComputeI({1.0, 0.0}, -1.0, kUnscaled, y).ierr, 1);
    EXPECT_EQ(ComputeJ({1.0, 0.0}, -0.5, kUnscaled, y).ierr, 1);
    EXPECT_EQ(ComputeJ({5e7, 0.0}, 1.0, kUnscaled, y).ierr, 3);
    EXPECT_EQ(ComputeI({1.0, 0.0}, 3e15, kUnscaled, y).ierr, 4);
}

TEST(TopLevel, OrdersBeyondThirtyTwoBitsKeepTheirIntegerPart) {
    // 2^40 + 0.5: the phase factors need the parity of the integer part.
    const double fnu = 1099511627776.5;
    Complex viaJ[1] = {};
    Complex viaI[1] = {};
    const BesselResult j = ComputeJ({1e12, 0.0}, fnu, kUnscaled, viaJ);
    EXPECT_EQ(j.ierr, 3);
    const BesselResult i = ComputeI({-1e12, 0.0}, fnu, kUnscaled, viaI);
    EXPECT_TRUE(i.ierr == 3 || i.ierr == 2);
}

TEST(TopLevel, UnitOrderPhasesHaveAnExactZeroCosine) {
    // J(1, 2) = i I(1, -2i) and H1(1, 2) = -(2/pi) K(1, -2i): with an exact zero cosine
    // the rotation only swaps and scales the parts.
    Complex i[1] = {};
    Complex j[1] = {};
    IDispatch({0.0, -2.0}, 1.0, kUnscaled, i, kLimits);
    ComputeJ({2.0, 0.0}, 1.0, kUnscaled, j);
    EXPECT_EQ(j[0].re, -i[0].im);
    EXPECT_EQ(j[0].im, i[0].re);
    Complex k[1] = {};
    Complex h1[1] = {};
    KRightHalf({0.0, -2.0}, 1.0, kUnscaled, k, kLimits);
    ComputeH({2.0, 0.0}, 1.0, kUnscaled, 1, h1);
    const double factor = 1.0 / -1.57079632679489662;
    EXPECT_EQ(h1[0].re, factor * k[0].re);
    EXPECT_EQ(h1[0].im, factor * k[0].im);
}

// Y on the positive real axis takes H2 as the conjugate of H1 instead of computing it:
// the routes through -ix and ix must mirror each other to the bit, in every region.
TEST(TopLevel, HankelFunctionsOfAPositiveRealArgumentAreExactConjugates) {
    const double orders[] = {0.0, 1.0 / 3.0, 0.5, 1.0, 2.0, 7.25, 30.0, 85.92, 86.5, 100.0, 250.5, 1000.0};
    int checked = 0;
    for (double fnu : orders) {
        for (double e = -308.0; e <= 6.0; e += 0.25) {
            const double x = std::pow(10.0, e);
            Complex h1[1] = {};
            Complex h2[1] = {};
            const BesselResult first = ComputeH({x, 0.0}, fnu, kUnscaled, 1, h1);
            const BesselResult second = ComputeH({x, 0.0}, fnu, kUnscaled, 2, h2);
            ASSERT_EQ(first.ierr, second.ierr) << fnu << " " << x;
            ASSERT_EQ(first.nz, second.nz) << fnu << " " << x;
            if (first.ierr != 0 && first.ierr != 3)
                continue;
            ASSERT_EQ(h1[0].re, h2[0].re) << fnu << " " << x;
            ASSERT_EQ(h1[0].im, -h2[0].im) << fnu << " " << x;
            ++checked;
        }
    }
    EXPECT_GT(checked, 5000);
}

// --- Airy -------------------------------------------------------------------------------------

TEST(Airy, AtZeroGivesTheConstants) {
    EXPECT_EQ(Airy({0.0, 0.0}, 0, kUnscaled).value.re, 0.3550280538878172);
    EXPECT_EQ(Airy({0.0, 0.0}, 1, kUnscaled).value.re, -0.2588194037928068);
}

struct AiryRow {
    Complex z;
    Complex ai, dai; // python3-scipy airy(z), the same published routine
};

// Values from the same published routine (scipy.special.airy) agree to 1e-13. (At 10i the
// continuation cancels about eight digits in both: mpmath gives -434317.249221974143 -
// 189054.14713057519i.)
TEST(Airy, AgreesWithThePublishedRoutineInEveryRegion) {
    const AiryRow rows[] = {
        {{0.5, 0.5},
         {0.21618634477812598, -0.11483063987764813},
         {-0.23871680908176865, 0.06615704122109355}},
        {{2.0, 1.0},
         {0.0016977668572654555, -0.040718017053223976},
         {-0.015110279283226957, 0.06245895471360011}},
        {{-3.0, 2.0}, {-4.4196895542640915, 5.454622517782589}, {11.878523564741652, 5.2093518478838625}},
        {{-5.0, 0.0},
         {0.35076100902411456, 1.8249237500755906e-16},
         {0.32719281855443916, 2.652424813299857e-15}},
        {{0.0, 10.0}, {-434317.2492219516, -189054.14713056633}, {553379.5531345344, 1382962.4524352904}},
        {{4.0, -7.0},
         {-0.1820668380838666, 0.03474234725100215},
         {0.40146128735251674, -0.34053999280662783}},
    };
    for (const AiryRow& row : rows) {
        const AiryResult ai = Airy(row.z, 0, kUnscaled);
        const AiryResult dai = Airy(row.z, 1, kUnscaled);
        EXPECT_EQ(ai.ierr, 0);
        EXPECT_LE(Distance(ai.value, row.ai), 1e-13 * Size(row.ai)) << row.z.re << " " << row.z.im;
        EXPECT_LE(Distance(dai.value, row.dai), 1e-13 * Size(row.dai)) << row.z.re << " " << row.z.im;
    }
}

TEST(Airy, LimitsOfTheArgument) {
    EXPECT_EQ(Airy({2e10, 0.0}, 0, kUnscaled).ierr, 4);
    EXPECT_EQ(Airy({-2e5, 0.0}, 0, kUnscaled).ierr, 3);
    const AiryResult underflow = Airy({200.0, 0.0}, 0, kUnscaled);
    EXPECT_EQ(underflow.nz, 1);
    EXPECT_EQ(underflow.value.re, 0.0);
    EXPECT_EQ(Airy({-1e5, 1e4}, 0, kUnscaled).ierr, 2);
}

// --- ln Gamma ----------------------------------------------------------------------------------

TEST(GammaLn, TableAndStirlingSeries) {
    int ierr;
    EXPECT_EQ(GammaLn(1.0, ierr), 0.0);
    EXPECT_EQ(GammaLn(2.0, ierr), 0.0);
    EXPECT_EQ(GammaLn(3.0, ierr), 0.6931471805599453);
    EXPECT_NEAR(GammaLn(0.5, ierr), 0.5723649429247000871, 2e-15);
    EXPECT_NEAR(GammaLn(7.5, ierr), 7.534364236758732955, 4e-15);
    EXPECT_NEAR(GammaLn(150.25, ierr), 601.2615040324997260, 2e-13);
    EXPECT_NEAR(GammaLn(1e-5, ierr), 11.51291969289582563, 1e-14);
    EXPECT_EQ(ierr, 0);
    EXPECT_TRUE(std::isnan(GammaLn(0.0, ierr)));
    EXPECT_EQ(ierr, 1);
    EXPECT_TRUE(std::isnan(GammaLn(-2.5, ierr)));
}

} // namespace
