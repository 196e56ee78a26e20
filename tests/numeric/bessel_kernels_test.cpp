// The Bessel kernels: reflection identities that hold exactly, exact zero parts for real
// arguments, status codes, values at special points, and regressions.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numeric/bessel.h"
#include "tests/numeric/bessel_reference_points.h"

namespace {

using namespace NCalculatorMath;

using Kernel = Complex (*)(const Complex&, double, BesselStatus&) noexcept;

Complex Call(Kernel kernel, Complex z, double nu, BesselStatus* status = nullptr) {
    BesselStatus s;
    const Complex value = kernel(z, nu, s);
    if (status != nullptr)
        *status = s;
    return value;
}

const Complex kArguments[] = {{1.5, 0.0}, {-2.0, 0.0}, {0.7, -1.3}, {-25.0, 3.0}, {0.0, 4.0}, {40.0, 40.0}};

// --- Reflection for negative orders -----------------------------------------------------

struct ExactReflection {
    const char* name;
    Kernel left;
    double leftOrder;
    Kernel right;
    double rightOrder;
    double factor; // left(z, leftOrder) == factor * right(z, rightOrder), bit for bit
};

class ReflectionHoldsExactly : public testing::TestWithParam<ExactReflection> {};

TEST_P(ReflectionHoldsExactly, ForEveryArgument) {
    const ExactReflection& r = GetParam();
    for (const Complex& z : kArguments) {
        BesselStatus leftStatus, rightStatus;
        const Complex left = Call(r.left, z, r.leftOrder, &leftStatus);
        const Complex right = Call(r.right, z, r.rightOrder, &rightStatus);
        EXPECT_EQ(left.re, r.factor * right.re) << z.re << " " << z.im;
        EXPECT_EQ(left.im, r.factor * right.im) << z.re << " " << z.im;
        EXPECT_EQ(leftStatus, rightStatus);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bessel, ReflectionHoldsExactly,
    testing::Values(ExactReflection{"J_minus1_is_minus_J1_no_Y_term", BesselJ, -1.0, BesselJ, 1.0, -1.0},
                    ExactReflection{"Y_minus1_is_minus_Y1_no_J_term", BesselY, -1.0, BesselY, 1.0, -1.0},
                    ExactReflection{"J_minus_half_is_minus_Y_half", BesselJ, -0.5, BesselY, 0.5, -1.0},
                    ExactReflection{"Y_minus_half_is_J_half", BesselY, -0.5, BesselJ, 0.5, 1.0},
                    ExactReflection{"I_minus2_is_I2_no_K_term", BesselI, -2.0, BesselI, 2.0, 1.0},
                    ExactReflection{"K_minus_1_5_is_K_1_5", BesselK, -1.5, BesselK, 1.5, 1.0},
                    ExactReflection{"J_minus4_is_J4", BesselJ, -4.0, BesselJ, 4.0, 1.0}),
    [](const testing::TestParamInfo<ExactReflection>& info) { return std::string(info.param.name); });

TEST(BesselReflection, IOfMinusHalfAddsTwoOverPiTimesK) {
    for (const Complex& z : kArguments) {
        const Complex i = Call(BesselI, z, 0.5);
        const Complex k = Call(BesselK, z, 0.5);
        const Complex reflected = Call(BesselI, z, -0.5);
        const double scale = std::hypot(i.re, i.im) + std::hypot(k.re, k.im);
        EXPECT_NEAR(reflected.re, i.re + 0.6366197723675814 * k.re, 1e-15 * scale);
        EXPECT_NEAR(reflected.im, i.im + 0.6366197723675814 * k.im, 1e-15 * scale);
    }
}

TEST(BesselReflection, NonIntegerOrderCombinesBothKinds) {
    // J(-v) = cos(pi v) J(v) - sin(pi v) Y(v) with v = 1/3.
    const Complex z{2.5, 0.75};
    const double c = 0.5, s = std::sqrt(3.0) / 2.0;
    const Complex j = Call(BesselJ, z, 1.0 / 3.0);
    const Complex y = Call(BesselY, z, 1.0 / 3.0);
    const Complex reflected = Call(BesselJ, z, -1.0 / 3.0);
    EXPECT_NEAR(reflected.re, c * j.re - s * y.re, 1e-15);
    EXPECT_NEAR(reflected.im, c * j.im - s * y.im, 1e-15);
}

TEST(BesselReflection, AFailingSecondTermGivesItsStatusAndAnUnderflowWithoutOneStays) {
    // I(2.5, 1e-300) underflows, K(2.5, 1e-300) overflows: the K status wins. J(-1) has no
    // Y term, so the underflow of J(1) stands.
    BesselStatus status;
    Call(BesselI, {1e-300, 0.0}, -2.5, &status);
    EXPECT_EQ(status, BesselStatus::Overflow);
    Call(BesselJ, {1e-310, 0.0}, -1.0, &status);
    EXPECT_EQ(status, BesselStatus::Underflow);
}

// --- Clean-up of results for a real argument ---------------------------------------------

enum class Part { Real, Imaginary };

struct ExactZero {
    const char* name;
    Kernel kernel;
    double nu;
    double x;
    Part zeroPart;
    bool otherPartNonZero;
};

class RealArgumentHasExactZeroPart : public testing::TestWithParam<ExactZero> {};

TEST_P(RealArgumentHasExactZeroPart, AndTheOtherPartStays) {
    const ExactZero& row = GetParam();
    BesselStatus status;
    const Complex value = Call(row.kernel, {row.x, 0.0}, row.nu, &status);
    ASSERT_EQ(status, BesselStatus::Normal);
    const double zero = row.zeroPart == Part::Real ? value.re : value.im;
    const double other = row.zeroPart == Part::Real ? value.im : value.re;
    EXPECT_EQ(zero, 0.0);
    if (row.otherPartNonZero) {
        EXPECT_NE(other, 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bessel, RealArgumentHasExactZeroPart,
    testing::Values(
        ExactZero{"J_positive_axis", BesselJ, 0.0, 2.0, Part::Imaginary, true},
        ExactZero{"J_negative_axis_half_integer_is_imaginary", BesselJ, 0.5, -2.0, Part::Real, true},
        ExactZero{"J_negative_axis_integer_is_real", BesselJ, 1.0, -2.0, Part::Imaginary, true},
        ExactZero{"J_negative_axis_negative_half_integer", BesselJ, -1.5, -2.0, Part::Real, true},
        ExactZero{"Y_positive_axis", BesselY, 2.5, 3.0, Part::Imaginary, true},
        ExactZero{"Y_negative_axis_half_integer", BesselY, 0.5, -3.0, Part::Real, true},
        ExactZero{"I_negative_axis_integer_is_real", BesselI, 1.0, -3.0, Part::Imaginary, true},
        ExactZero{"I_negative_axis_half_integer_is_imaginary", BesselI, 0.5, -3.0, Part::Real, true},
        ExactZero{"K_negative_axis_half_integer", BesselK, 0.5, -2.0, Part::Real, true},
        ExactZero{"K_positive_axis", BesselK, 0.0, 2.0, Part::Imaginary, true}),
    [](const testing::TestParamInfo<ExactZero>& info) { return std::string(info.param.name); });

TEST(BesselRealArgument, YOfIntegerOrderOnTheNegativeAxisKeepsItsImaginaryPart) {
    // Y(1, -x) = -Y(1, x) - 2i J(1, x) from above the cut.
    const Complex y = Call(BesselY, {-2.0, 0.0}, 1.0);
    EXPECT_NEAR(y.im, -2.0 * Call(BesselJ, {2.0, 0.0}, 1.0).re, 1e-15);
    EXPECT_NEAR(y.re, -Call(BesselY, {2.0, 0.0}, 1.0).re, 1e-15);
}

TEST(BesselRealArgument, IOfIntegerOrderIsOddOrEvenOnTheNegativeAxis) {
    const Complex negative = Call(BesselI, {-3.0, 0.0}, 1.0);
    EXPECT_EQ(negative.re, -Call(BesselI, {3.0, 0.0}, 1.0).re);
    EXPECT_EQ(negative.im, 0.0);
}

// --- Status codes -------------------------------------------------------------------------

struct StatusCase {
    const char* name;
    Kernel kernel;
    double nu;
    Complex z;
    BesselStatus status;
    bool zeroResult; // the value is (0, 0)
};

class KernelStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(KernelStatus, IsTheExpectedCode) {
    const StatusCase& row = GetParam();
    BesselStatus status;
    const Complex value = Call(row.kernel, row.z, row.nu, &status);
    EXPECT_EQ(status, row.status);
    if (row.zeroResult) {
        EXPECT_EQ(value.re, 0.0);
        EXPECT_EQ(value.im, 0.0);
    } else {
        EXPECT_TRUE(std::isfinite(value.re) && std::isfinite(value.im));
        EXPECT_NE(std::hypot(value.re, value.im), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bessel, KernelStatus,
    testing::Values(
        StatusCase{"Y_at_zero_is_input_error", BesselY, 0.0, {0.0, 0.0}, BesselStatus::InputError, true},
        StatusCase{"Y_at_zero_any_order", BesselY, 3.7, {0.0, 0.0}, BesselStatus::InputError, true},
        StatusCase{"K_at_zero_is_input_error", BesselK, 1.0, {0.0, 0.0}, BesselStatus::InputError, true},
        StatusCase{
            "K_below_underflow_limit_overflows", BesselK, 1.0, {1e-306, 0.0}, BesselStatus::Overflow, true},
        StatusCase{
            "Y_below_underflow_limit_overflows", BesselY, 0.0, {0.0, 1e-306}, BesselStatus::Overflow, true},
        StatusCase{"J_underflows_to_zero", BesselJ, 1.0, {1e-310, 0.0}, BesselStatus::Underflow, true},
        StatusCase{"I200_of_1_underflows", BesselI, 200.0, {1.0, 0.0}, BesselStatus::Underflow, true},
        StatusCase{"K200_of_1_overflows", BesselK, 200.0, {1.0, 0.0}, BesselStatus::Overflow, true},
        StatusCase{"I100_of_1_is_representable", BesselI, 100.0, {1.0, 0.0}, BesselStatus::Normal, false},
        StatusCase{"I0_of_710_overflows_past_the_exponent_limit",
                   BesselI,
                   0.0,
                   {710.0, 0.0},
                   BesselStatus::Overflow,
                   true},
        StatusCase{"order_above_sqrt_limit_loses_half_the_digits",
                   BesselJ,
                   5e7,
                   {5e7, 0.0},
                   BesselStatus::PartialLoss,
                   false},
        StatusCase{"argument_above_sqrt_limit_loses_half_the_digits",
                   BesselJ,
                   0.0,
                   {1e8, 0.0},
                   BesselStatus::PartialLoss,
                   false},
        StatusCase{"underflow_takes_precedence_over_partial_loss",
                   BesselK,
                   0.0,
                   {1e8, 0.0},
                   BesselStatus::Underflow,
                   true},
        StatusCase{"order_above_argument_limit_gives_no_result",
                   BesselJ,
                   3e15,
                   {1.0, 0.0},
                   BesselStatus::TotalLoss,
                   true},
        StatusCase{
            "argument_above_limit_gives_no_result", BesselI, 1.0, {0.0, 3e15}, BesselStatus::TotalLoss, true},
        StatusCase{"negative_order_above_limit", BesselY, -3e15, {1.0, 1.0}, BesselStatus::TotalLoss, true},
        StatusCase{"infinite_order", BesselK, -INFINITY, {1.0, 0.0}, BesselStatus::TotalLoss, true}),
    [](const testing::TestParamInfo<StatusCase>& info) { return std::string(info.param.name); });

TEST(BesselStatusCodes, NaNArgumentIsAnInputErrorWithNaN) {
    BesselStatus status;
    const Complex value = Call(BesselJ, {NAN, 0.0}, 1.0, &status);
    EXPECT_EQ(status, BesselStatus::InputError);
    EXPECT_TRUE(std::isnan(value.re));
    Call(BesselK, {1.0, 0.0}, NAN, &status);
    EXPECT_EQ(status, BesselStatus::InputError);
}

// --- Values at special points ---------------------------------------------------------------

TEST(BesselValues, IOnTheImaginaryAxisIsComputedDirectly) {
    // I(1, 2i) = i J(1, 2), the limit from the right half-plane.
    const Complex above = Call(BesselI, {0.0, 2.0}, 1.0);
    EXPECT_NEAR(above.re, 0.0, 1e-16);
    EXPECT_NEAR(above.im, 0.5767248077568734, 4e-16);
    const Complex fromRight = Call(BesselI, {1e-12, 2.0}, 1.0);
    EXPECT_NEAR(above.im, fromRight.im, 1e-11);
    const Complex below = Call(BesselI, {0.0, -2.0}, 1.0);
    EXPECT_NEAR(below.im, -0.5767248077568734, 4e-16);
}

TEST(BesselValues, AtZeroArgument) {
    BesselStatus status;
    EXPECT_EQ(Call(BesselJ, {0.0, 0.0}, 0.0, &status).re, 1.0);
    EXPECT_EQ(status, BesselStatus::Normal);
    EXPECT_EQ(Call(BesselI, {0.0, 0.0}, 0.0, &status).re, 1.0);
    const Complex i1 = Call(BesselI, {0.0, 0.0}, 1.0, &status);
    EXPECT_EQ(i1.re, 0.0);
    EXPECT_EQ(status, BesselStatus::Normal) << "an exact zero argument is no underflow";
}

TEST(BesselValues, BelowTheUnderflowLimitOnlyOrderZeroSurvives) {
    BesselStatus status;
    EXPECT_EQ(Call(BesselI, {1e-310, 0.0}, 0.0, &status).re, 1.0);
    EXPECT_EQ(status, BesselStatus::Normal);
    EXPECT_EQ(Call(BesselI, {1e-310, 0.0}, 1.0, &status).re, 0.0);
    EXPECT_EQ(status, BesselStatus::Underflow);
}

// --- Regressions ---------------------------------------------------------------------------

TEST(BesselRegression, LnGammaSummedOnTwoInterleavedChainsLostDigitsOfJAtATinyOrder) {
    // ln Gamma(v + 1) of the series' leading factor erred by 1.15e-15 instead of 2.6e-16:
    //   mpmath.mp.dps = 30
    //   mpmath.besselj(0.0005544321611523628, 5.538097320822999e-05)
    //   = 0.994516418556958723021353987067
    // The published package (scipy.special.jv) gives 0.9945164185569589, the interleaved
    // sums gave 0.99451641855695982.
    const double order = 0.0005544321611523628;
    const Complex z{5.538097320822999e-05, 0.0};
    const bessel_reference::Point* reference = bessel_reference::Find('J', order, z);
    ASSERT_NE(reference, nullptr);
    const Complex value = Call(BesselJ, z, order);
    EXPECT_LE(bessel_reference::RelativeError(value, reference->exact), 3e-16L) << value.re;
}

// --- SinCosPi ----------------------------------------------------------------------------

struct SinCosRow {
    double nu, s, c;
};

TEST(SinCosPi, IsExactAtIntegersAndHalfIntegersWithTheRightSigns) {
    const SinCosRow rows[] = {
        {0.0, 0.0, 1.0},  {1.0, 0.0, -1.0},      {2.0, 0.0, 1.0},        {-1.0, 0.0, -1.0},
        {0.5, 1.0, 0.0},  {1.5, -1.0, 0.0},      {-0.5, -1.0, 0.0},      {2.5, 1.0, 0.0},
        {1e15, 0.0, 1.0}, {1e15 + 1, 0.0, -1.0}, {1e15 + 0.5, 1.0, 0.0},
    };
    for (const SinCosRow& row : rows) {
        double s, c;
        SinCosPi(row.nu, s, c);
        EXPECT_EQ(s, row.s) << row.nu;
        EXPECT_EQ(c, row.c) << row.nu;
    }
    double s, c;
    SinCosPi(0.75, s, c);
    EXPECT_NEAR(s, std::sqrt(0.5), 2e-16);
    EXPECT_NEAR(c, -std::sqrt(0.5), 2e-16);
    SinCosPi(-1.25, s, c);
    EXPECT_NEAR(s, std::sqrt(0.5), 2e-16);
    EXPECT_NEAR(c, -std::sqrt(0.5), 2e-16);
}

} // namespace
