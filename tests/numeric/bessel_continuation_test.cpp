// K continued into the left half-plane: the phase of its K term, and half-integer orders,
// where that phase is purely imaginary, through each routine that continues K, against
// mpmath.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "numeric/bessel/machinery.h"
#include "tests/numeric/bessel_reference_points.h"

namespace {

using namespace NCalculatorMath;

TEST(ContinuationPhase, IsPurelyImaginaryAtHalfIntegerOrders) {
    // e^(-i pi mr (fnu + member)) = (-1)^(int(fnu) + member) (-i mr) for fnu = n + 1/2.
    for (const double fnu : {0.5, 2.5, 85.5, 100.5, 3e9 + 0.5})
        for (const int mr : {1, -1})
            for (const int member : {0, 1}) {
                const Complex phase = ContinuationPhase(fnu, mr, member);
                const long long parity = static_cast<long long>(fnu) + member;
                EXPECT_EQ(phase.re, 0.0) << fnu << " " << mr << " " << member;
                EXPECT_EQ(phase.im, parity % 2 == 0 ? -mr : mr) << fnu << " " << mr << " " << member;
            }
}

TEST(ContinuationPhase, FollowsTheFractionOfALargeOrder) {
    // pi (1e9 + 1/3) as a double is some 1e-7 off in its phase; the fraction of the order
    // is exact, and with the parity it gives e^(-i pi (fnu + 1)) = -e^(-i pi f).
    const double fnu = 1e9 + 1.0 / 3.0;
    const double fraction = fnu - 1e9;
    const Complex phase = ContinuationPhase(fnu, 1, 1);
    EXPECT_NEAR(phase.re, -std::cos(std::numbers::pi * fraction), 1e-15);
    EXPECT_NEAR(phase.im, std::sin(std::numbers::pi * fraction), 1e-15);
    const Complex integer = ContinuationPhase(7.0, -1, 0);
    EXPECT_EQ(integer.re, -1.0);
    EXPECT_EQ(integer.im, 0.0);
}

using Continuation = int (*)(Complex, double, BesselScaling, int, std::span<Complex>,
                             const BesselLimits&) noexcept;

struct HalfIntegerRow {
    const char* name;
    char function; // K directly, or Y through the Hankel functions
    double order;
    Complex z;
    Continuation path; // the routine ComputeK reaches for K; null for Y
};

class HalfIntegerOrder : public testing::TestWithParam<HalfIntegerRow> {};

TEST_P(HalfIntegerOrder, AgreesWithMpmath) {
    const HalfIntegerRow& row = GetParam();
    if (row.path != nullptr) {
        Complex viaK[1] = {};
        Complex direct[1] = {};
        const int mr = row.z.im < 0.0 ? -1 : 1;
        ComputeK(row.z, row.order, BesselScaling::Unscaled, viaK);
        row.path(row.z, row.order, BesselScaling::Unscaled, mr, std::span<Complex>(direct),
                 MachineBesselLimits());
        EXPECT_EQ(viaK[0].re, direct[0].re) << "another routine serves " << row.name;
        EXPECT_EQ(viaK[0].im, direct[0].im) << "another routine serves " << row.name;
    }
    const bessel_reference::Point* reference = bessel_reference::Find(row.function, row.order, row.z);
    ASSERT_NE(reference, nullptr) << "no reference vector for " << row.name;
    BesselStatus status;
    const Complex value = bessel_reference::Evaluate(row.function, row.z, row.order, status);
    EXPECT_EQ(status, BesselStatus::Normal);
    // The uniform expansions carry a few 1e-14 at these orders.
    EXPECT_LE(bessel_reference::RelativeError(value, reference->exact), 1e-13L)
        << value.re << " + " << value.im << "i, expected " << reference->exact.re << " + "
        << reference->exact.im << "i";
}

INSTANTIATE_TEST_SUITE_P(
    Bessel, HalfIntegerOrder,
    testing::Values(
        HalfIntegerRow{"K_by_continuation_of_temmes_K", 'K', 2.5, {-3.0, 1.0}, KContinuation},
        HalfIntegerRow{"K_by_continuation_below_the_real_axis", 'K', 12.5, {-7.0, -2.0}, KContinuation},
        HalfIntegerRow{"K_by_the_continued_debye_form", 'K', 100.5, {-50.0, 10.0}, KUniformBessel},
        HalfIntegerRow{"K_by_the_continued_debye_form_below", 'K', 86.5, {-40.0, -20.0}, KUniformBessel},
        HalfIntegerRow{"K_by_the_continued_airy_form", 'K', 100.5, {-10.0, 50.0}, KUniformAiry},
        HalfIntegerRow{"K_by_the_continued_airy_form_below", 'K', 250.5, {-20.0, -90.0}, KUniformAiry},
        HalfIntegerRow{"Y_with_a_hankel_function_by_continuation", 'Y', 2.5, {1.0, 3.0}, nullptr},
        HalfIntegerRow{"Y_with_a_hankel_function_by_the_debye_form", 'Y', 100.5, {10.0, 50.0}, nullptr},
        HalfIntegerRow{"Y_with_a_hankel_function_by_the_airy_form", 'Y', 100.5, {50.0, 10.0}, nullptr}),
    [](const testing::TestParamInfo<HalfIntegerRow>& info) { return std::string(info.param.name); });

} // namespace
