// The documented values of the elementary, inverse and Gamma kernels: thresholds,
// branch rules on the cuts, and values that must come out exactly.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/elementary.h"
#include "numeric/gamma.h"
#include "numeric/inverse.h"

namespace {

using namespace NCalculatorMath;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = 3.141592653589793;
constexpr double kAcosh2 = 1.3169578969248166; // ln(2 + sqrt 3)

struct Case {
    const char* what;
    Complex (*kernel)(const Complex&) noexcept;
    Complex argument;
    Complex expected;
};

// Equal to within `ulps` units in the last place in each part (exact for 0).
::testing::AssertionResult Near(const Complex& actual, const Complex& expected, double ulps = 4) {
    const double parts[2][2] = {{actual.re, expected.re}, {actual.im, expected.im}};
    for (const auto& part : parts) {
        if (part[0] == part[1] || (std::isnan(part[0]) && std::isnan(part[1])))
            continue;
        const double tolerance = ulps * std::numeric_limits<double>::epsilon() * std::fabs(part[1]);
        if (!(std::fabs(part[0] - part[1]) <= tolerance))
            return ::testing::AssertionFailure()
                   << "got " << actual.re << " + " << actual.im << "i, expected " << expected.re << " + "
                   << expected.im << "i";
    }
    return ::testing::AssertionSuccess();
}

class KernelValue : public ::testing::TestWithParam<Case> {};

TEST_P(KernelValue, MatchesTheDocumentedValue) {
    const Case& c = GetParam();
    EXPECT_TRUE(Near(c.kernel(c.argument), c.expected)) << c.what;
}

Complex Cot(double x) {
    return {1.0 / std::tan(x), 0.0};
}

INSTANTIATE_TEST_SUITE_P(
    Elementary, KernelValue,
    ::testing::Values(
        Case{"sqrt of a negative real is +i times the root, whatever the zero's sign",
             &Sqrt,
             {-4, 0.0},
             {0, 2}},
        Case{"sqrt(-4 - 0i) as sqrt(-4): the algorithm's comparison -0 < 0 is false",
             &Sqrt,
             {-4, -0.0},
             {0, 2}},
        Case{"sqrt of zero", &Sqrt, {0, 0}, {0, 0}},
        Case{"log of -1 has argument +pi", &Log, {-1, 0}, {0, kPi}},
        Case{"log of 2^1000 without overflowing squares", &Log, {0x1p1000, 0}, {693.1471805599453, 0}},
        Case{"log just above 1 keeps every digit", &Log, {1.0000000001, 0}, {1.000000082690371e-10, 0}},
        Case{"exp: a zero imaginary factor keeps the part 0", &Exp, {1000, 0}, {kInf, 0}},
        Case{"tan(1) exactly the real tangent", &Tg, {1, 0}, {std::tan(1.0), 0}},
        Case{"tan beyond ln DBL_MAX is the limit", &Tg, {0.5, 800}, {0, 1}},
        Case{"cot through the tiny branch", &Ctg, {1e-170, 1e-170}, {5e169, -5e169}},
        Case{"cot beyond ln DBL_MAX, upper half-plane", &Ctg, {0.5, 800}, {0, -1}},
        Case{"cot beyond ln DBL_MAX, lower half-plane", &Ctg, {0.5, -800}, {0, 1}},
        Case{"coth far right is 1", &Cth, {800, 0.5}, {1, 0}},
        Case{"coth on the imaginary axis", &Cth, {0, 1}, {0, -Cot(1).re}},
        Case{"tan near pi/2 where (t^2 + 1) s^2 overflows", &Tg, {1.5707963267948966, 354.8}, {0, 1}}));

INSTANTIATE_TEST_SUITE_P(
    Inverse, KernelValue,
    ::testing::Values(
        Case{"arcsin on the cut beyond 1", &ArcSin, {2, 0}, {1.5707963267948966, -kAcosh2}},
        Case{"arcsin on the cut below -1", &ArcSin, {-2, 0}, {-1.5707963267948966, kAcosh2}},
        Case{"arcsin keeps the axis value when pi/2 + Im L rounds",
             &ArcSin,
             {2, 1e-300},
             {1.5707963267948966, -kAcosh2}},
        Case{"arccos on the cut beyond 1", &ArcCos, {2, 0}, {0, kAcosh2}},
        Case{"arccos on the cut below -1", &ArcCos, {-2, 0}, {kPi, -kAcosh2}},
        Case{"arcsin below the identity threshold is its argument", &ArcSin, {1e-9, 0}, {1e-9, 0}},
        Case{"arcsin far down the imaginary axis does not cancel",
             &ArcSin,
             {0, -1e8},
             {0, -19.11382792451231}},
        Case{"arctan on the upper cut", &ArcTg, {0, 2}, {1.5707963267948966, 0.5493061443340549}},
        Case{"arctan on the lower cut", &ArcTg, {0, -2}, {-1.5707963267948966, -0.5493061443340549}},
        Case{"arccot on the upper cut", &ArcCtg, {0, 2}, {0, -0.5493061443340549}},
        Case{"arccot on the lower cut", &ArcCtg, {0, -2}, {kPi, 0.5493061443340549}},
        Case{"arccot of -1", &ArcCtg, {-1, 0}, {2.356194490192345, 0}},
        Case{"arctan next to the pole i", &ArcTg, {1e-9, 1}, {0.7853981633974483, 10.708206508753177}},
        Case{"arctan of a huge argument", &ArcTg, {1e300, 1e300}, {1.5707963267948966, 5e-301}},
        Case{"arctan of a large imaginary argument keeps the small part",
             &ArcTg,
             {0, 1e10},
             {1.5707963267948966, 1e-10}},
        Case{"arccosec on the cut, right", &ArcCosec, {0.5, 0}, {1.5707963267948966, -kAcosh2}},
        Case{"arccosec on the cut, left", &ArcCosec, {-0.5, 0}, {-1.5707963267948966, kAcosh2}},
        Case{"arccosec on the imaginary axis", &ArcCosec, {0, 0.5}, {0, -1.4436354751788103}},
        Case{"arcsec on the cut, left", &ArcSec, {-0.5, 0}, {kPi, -kAcosh2}},
        Case{"arcsec next to 1 does not cancel", &ArcSec, {1, 1e-300}, {1e-150, 1e-150}}));

// The principal values of the hyperbolic inverses: real part of arch never negative,
// imaginary parts in the principal strips, a zero part counted as +0.
INSTANTIATE_TEST_SUITE_P(
    Hyperbolic, KernelValue,
    ::testing::Values(
        Case{"arch(2) is positive", &ArCh, {2, 0}, {kAcosh2, 0}},
        Case{"arch(-2) has imaginary part pi", &ArCh, {-2, 0}, {kAcosh2, kPi}},
        Case{"arch(0.5) on the segment", &ArCh, {0.5, 0}, {0, 1.0471975511965979}},
        Case{"arch in the lower half-plane", &ArCh, {0.5, -1}, {0.9261330313501825, -1.2213572639376833}},
        Case{"arch in the upper half-plane", &ArCh, {-3, 2}, {1.9686379257930963, 2.5354548312024994}},
        Case{"arch next to the segment from below",
             &ArCh,
             {0.5, -1e-20},
             {1.1547005383792515e-20, -1.0471975511965977}},
        Case{"arsh on the upper cut", &ArSh, {0, 2}, {kAcosh2, 1.5707963267948966}},
        Case{"arsh on the lower cut", &ArSh, {0, -2}, {kAcosh2, -1.5707963267948966}},
        Case{"arsh in the third quadrant", &ArSh, {-1, -1}, {-1.0612750619050357, -0.6662394324925153}},
        Case{"arth beyond 1 on the axis", &ArTh, {2, 0}, {0.5493061443340549, 1.5707963267948966}},
        Case{"arth below -1 on the axis", &ArTh, {-2, 0}, {-0.5493061443340549, 1.5707963267948966}},
        Case{"arth inside the domain", &ArTh, {0.5, 0}, {0.5493061443340549, 0}},
        Case{"arcth(-2) is real", &ArCth, {-2, 0}, {-0.5493061443340549, 0}},
        Case{"arcth(2) is real", &ArCth, {2, 0}, {0.5493061443340549, 0}},
        Case{"arcth on the segment", &ArCth, {0.5, 0}, {0.5493061443340549, 1.5707963267948966}},
        Case{"arcth on the segment, left", &ArCth, {-0.5, 0}, {-0.5493061443340549, 1.5707963267948966}},
        Case{"arcth just above the segment", &ArCth, {0.5, 1e-9}, {0.5493061443340549, -1.5707963254615633}},
        Case{"arcth on the imaginary axis", &ArCth, {0, 2}, {0, -0.4636476090008061}},
        Case{"arsch(0.5)", &ArSch, {0.5, 0}, {kAcosh2, 0}},
        Case{"arsch(-0.5)", &ArSch, {-0.5, 0}, {kAcosh2, kPi}}, Case{"arsch(-1)", &ArSch, {-1, 0}, {0, kPi}},
        Case{"arsch(2)", &ArSch, {2, 0}, {0, 1.0471975511965979}},
        Case{"arsch(-2) is 2pi/3 i", &ArSch, {-2, 0}, {0, 2.0943951023931957}},
        Case{"arsch in the upper half-plane", &ArSch, {-2, 1}, {0.21561241855582964, -1.9723827184627027}},
        Case{
            "arcsch on the segment of the imaginary axis", &ArCsch, {0, 0.5}, {kAcosh2, -1.5707963267948966}},
        Case{"arcsch(-2)", &ArCsch, {-2, 0}, {-0.48121182505960347, 0}}));

TEST(Magnitude, NeitherOverflowsNorUnderflows) {
    EXPECT_TRUE(Near({Magnitude({3e300, 4e300}), 0}, {5e300, 0}));
    EXPECT_TRUE(Near({Magnitude({1e-300, 1e-300}), 0}, {1.4142135623730951e-300, 0}));
}

TEST(Magnitude, NanWinsOverInfinity) {
    EXPECT_TRUE(std::isnan(Magnitude({std::nan(""), kInf})));
    EXPECT_EQ(Magnitude({kInf, 1}), kInf);
}

TEST(Log1p, FollowsTheSeriesAndTheLibrary) {
    EXPECT_EQ(Log1p(1e-17), 1e-17);
    EXPECT_TRUE(Near({Log1p(-0.05), 0}, {-0.051293294387550536, 0}, 1));
    EXPECT_EQ(Log1p(0.5), std::log(1.5));
    EXPECT_EQ(Log1p(0.0), 0.0);
}

TEST(ScaledExp, IsFiniteWheneverTheProductIs) {
    EXPECT_TRUE(Near({ScaledExp(720.0, 1e-10, 0), 0}, {4.9207009302638159e302, 0}));
    EXPECT_EQ(ScaledExp(1000.0, 0.0, 0), 0.0);
    EXPECT_EQ(ScaledExp(1000.0, -1.0, 0), -kInf);
    EXPECT_EQ(ScaledExp(-1000.0, 1.0, 0), 0.0);
}

struct PowCase {
    const char* what;
    Complex base, exponent, expected;
};

class PowValue : public ::testing::TestWithParam<PowCase> {};

TEST_P(PowValue, MatchesTheDocumentedValue) {
    const PowCase& c = GetParam();
    EXPECT_TRUE(Near(Pow(c.base, c.exponent), c.expected)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Power, PowValue,
    ::testing::Values(
        PowCase{"integer power of a real base is exact", {2, 0}, {10, 0}, {1024, 0}},
        PowCase{"negative integer power of a real base is exact", {0.5, 0}, {-3, 0}, {8, 0}},
        PowCase{"complex base squared exactly", {3, 4}, {2, 0}, {-7, 24}},
        PowCase{"zero to the zero", {0, 0}, {0, 0}, {1, 0}},
        PowCase{"negative integer exponent", {2, 0}, {-1, 0}, {0.5, 0}},
        PowCase{"i squared exactly", {0, 1}, {2, 0}, {-1, 0}},
        PowCase{"cube root of -8 on the principal branch", {-8, 0}, {1.0 / 3.0, 0}, {1, 1.7320508075688772}},
        PowCase{"square root of a negative base through Sqrt", {-4, 0}, {0.5, 0}, {0, 2}},
        PowCase{"inverse square root of a positive base", {4, 0}, {-0.5, 0}, {0.5, 0}},
        PowCase{"zero to a positive non-integer power", {0, 0}, {2.5, 0}, {0, 0}},
        PowCase{"complex exponent", {2, 0}, {0, 1}, {0.7692389013639721, 0.6389612763136348}}));

TEST(Pow, ExponentBeyond32BitsTakesTheLogarithmicPath) {
    // 3e9 is an even integer, but it does not fit 32 bits: (-1)^3e9 = e^(3e9 pi i)
    // carries the rounding of 3e9 pi in its phase instead of being exactly 1.
    const Complex value = Pow({-1, 0}, {3e9, 0});
    EXPECT_NE(value.im, 0.0);
    EXPECT_NEAR(value.re, 1.0, 1e-12);
}

TEST(RealGamma, TablesAndReflection) {
    EXPECT_EQ(RealGamma(5), 24);
    EXPECT_EQ(RealGamma(171), 7.257415615307994e306);
    EXPECT_EQ(RealGamma(0.5), 1.7724538509055159);
    EXPECT_TRUE(Near({RealGamma(-0.5), 0}, {-3.544907701811032, 0}));
    EXPECT_TRUE(Near({RealGamma(-1.5), 0}, {2.3632718012073544, 0}));
    EXPECT_TRUE(std::isnan(RealGamma(0)));
    EXPECT_TRUE(std::isnan(RealGamma(-3)));
}

// The power b^(x + 1/2) overflows from x = 141.73 on although Gamma(x) is finite up
// to 171.62: both sides of both thresholds.
TEST(RealGamma, StaysFiniteUpToTheLargestRepresentableValue) {
    EXPECT_TRUE(Near({RealGamma(141.7), 0}, {4.2977397207097e242, 0}, 64));
    EXPECT_TRUE(Near({RealGamma(141.8), 0}, {7.0508105504054103e242, 0}, 64));
    EXPECT_TRUE(Near({RealGamma(150.5), 0}, {4.661072627097378e261, 0}, 64));
    EXPECT_TRUE(Near({RealGamma(171.5), 0}, {9.483367566824795e307, 0}, 64));
    EXPECT_TRUE(Near({RealGamma(171.62), 0}, {1.7576826789978127e308, 0}, 64));
    EXPECT_EQ(RealGamma(171.63), kInf);
    EXPECT_EQ(RealGamma(200.5), kInf);
}

TEST(Gamma, ComplexValuesOnBothPathsOfTheReflection) {
    EXPECT_TRUE(Near(Gamma({-0.5, 28}), {4.502032523730e-21, 5.476097785644e-21}, 1e4));
    EXPECT_TRUE(Near(Gamma({-0.5, 0.2}), {-2.999524599328, -0.02517830452132}, 1e4));
    EXPECT_TRUE(Near(Gamma({0.8, 28}), {-5.286480897715e-19, 1.074923263269e-19}, 1e4));
}

TEST(Gamma, ComplexValueNearTheOverflowThresholdIsFinite) {
    // |Gamma(171.5 + 0.01i)| is 9.48e307: the power alone would overflow.
    const Complex value = Gamma({171.5, 0.01});
    EXPECT_TRUE(std::isfinite(value.re) && std::isfinite(value.im));
    EXPECT_NEAR(std::hypot(value.re, value.im) / 9.4833647939186155e307, 1.0, 1e-12);
}

TEST(LogGamma, ContinuousBranchOnTheNegativeAxis) {
    EXPECT_TRUE(Near(LogGamma({-0.5, 0}), {1.2655121234846458, -kPi}));
    EXPECT_TRUE(Near(LogGamma({-1.5, 0}), {0.8600470153764808, -2 * kPi}));
    EXPECT_DOUBLE_EQ(LogGamma({-2.5, 0}).im, -3 * kPi);
    EXPECT_TRUE(Near(LogGamma({100.5, 0}), {361.4355404677776, 0}));
    EXPECT_TRUE(Near(LogGamma({-100.5, 0}), {-364.90096830942736, -317.3008580125691}));
    EXPECT_TRUE(std::isnan(RealLogGamma(-0.5, false)));
    EXPECT_TRUE(Near({RealLogGamma(-0.5, true), 0}, {1.2655121234846458, 0}));
}

TEST(LogGamma, NearThePolesAndZerosStaysAccurate) {
    // |sin(pi z)| is tiny next to a pole; ln Gamma itself is tiny next to 1 and 2.
    EXPECT_TRUE(Near(LogGamma({-1, 1e-9}), {20.723265836946411, -4.7123889799619055}, 16));
    EXPECT_TRUE(Near(LogGamma({1.0000001, 0}), {-5.7721558299185071e-8, 0}, 16));
    EXPECT_EQ(LogGamma({2, 0}).re, 0.0);
}

} // namespace
