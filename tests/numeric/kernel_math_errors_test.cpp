// Where the kernels raise the runtime's math errors themselves, the C library here
// having no hook of its own: an overflowing hyperbolic factor of the sine family,
// and a trigonometric argument too large for its angle to mean anything. Nothing
// else raises; the calling node judges infinities itself.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "numeric/elementary.h"
#include "numeric/gamma.h"
#include "numeric/inverse.h"
#include "numeric/math_error.h"

namespace {

using namespace NCalculatorMath;

std::vector<MathErrorRecord> raised;

int Record(MathErrorRecord& record) {
    raised.push_back(record);
    return 1;
}

class KernelMathErrors : public ::testing::Test {
  protected:
    void SetUp() override {
        raised.clear();
        previous_ = SetMathErrorHandler(&Record);
    }
    void TearDown() override { SetMathErrorHandler(previous_); }

  private:
    MathErrorHandler previous_ = nullptr;
};

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST_F(KernelMathErrors, OverflowingHyperbolicFactorIsReportedOnceWithItsSignedInfinity) {
    Sin({0.5, 1000}); // cosh(1000) sin(0.5) and sinh(1000) cos(0.5) both overflow
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].type, static_cast<int>(MathErrorType::Overflow));
    EXPECT_EQ(raised[0].retval, kInf);
    raised.clear();
    Sh({-1000, 0});
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].retval, -kInf);
}

TEST_F(KernelMathErrors, RepresentableProductOfAHugeFactorIsNoOverflow) {
    const Complex value = Ch({710, 1.5707963267948966}); // cosh(710) cos(pi/2) is about 1.4e292
    EXPECT_TRUE(std::isfinite(value.re));
    EXPECT_TRUE(raised.empty());
}

TEST_F(KernelMathErrors, LargeTrigonometricArgumentLosesPrecision) {
    Tg({1e10, 0});
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].type, static_cast<int>(MathErrorType::PartialLoss));
    EXPECT_EQ(raised[0].retval, std::tan(1e10));
    raised.clear();
    Cos({0x1p53, 0});
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].type, static_cast<int>(MathErrorType::TotalLoss));
    raised.clear();
    Exp({0, 1e17}); // the phase of the exponential
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].type, static_cast<int>(MathErrorType::TotalLoss));
}

TEST_F(KernelMathErrors, ArgumentsBelowTheThresholdsRaiseNothing) {
    Sin({0x1p26 - 1, 0});
    Th({0, 1e7});
    EXPECT_TRUE(raised.empty());
}

TEST_F(KernelMathErrors, InfinitiesAreLeftToTheNode) {
    EXPECT_EQ(Exp({1000, 0}).re, kInf);
    EXPECT_EQ(RealGamma(200), kInf);
    EXPECT_EQ(Pow({10, 0}, {400, 0}).re, kInf);
    // Gamma's phase grows past 2^53 long after its value has underflowed to 0.
    EXPECT_EQ(Gamma({0.5, 1e17}).re, 0.0);
    EXPECT_TRUE(raised.empty());
}

} // namespace
