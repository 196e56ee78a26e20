// The arithmetic core: Smith's division, overflow and underflow reports of the four
// operations, the change of sign and the sign function.

#include <gtest/gtest.h>

#include "engine/nodes/complex_arithmetic.h"
#include "tests/engine/log_recorder.h"

using testing_support::Calculate;
using testing_support::ResultOf;
using namespace NCalculatorText;

namespace {

const std::u16string M = u"\u2212";

TEST(Division, UsesSmithsMethodWithoutIntermediateOverflow) {
    EXPECT_EQ(ResultOf(u"(1+i*2)/(3+i*4)"), u"0.44+i*0.08");
    EXPECT_EQ(ResultOf(u"(1+i)/(i*1e-300)"), u"1e+300" + M + u"i*1e+300");
    EXPECT_EQ(ResultOf(u"1e300/(1e300+i*1e300)"), u"0.5" + M + u"i*0.5");
}

TEST(Division, ByZeroIsASingularityOfTheOperation) {
    for (const char16_t* statement : {u"1/0", u"0/0", u"(1+i)/(0*i)"}) {
        const auto run = Calculate(statement);
        EXPECT_FALSE(run.ok) << testing_support::Narrow(statement);
        ASSERT_EQ(run.messages.size(), 1u) << testing_support::Narrow(statement);
        EXPECT_EQ(run.messages[0].kind, 1);
        EXPECT_EQ(run.messages[0].operation, u"Division");
        EXPECT_EQ(run.messages[0].text, u"Operation has singularity at 0");
    }
}

TEST(Division, TinyDivisorIsDividedNormallyAndMayOverflow) {
    EXPECT_EQ(ResultOf(u"1e-310/(i*1e-320)"), M + u"i*10000111329.413"); // 1e-320 is subnormal
    const auto run = Calculate(u"1/(i*1e-320)");
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, u"Operation resulted in overflow, too big   number returned");
}

TEST(Division, SingularityInsideAFunctionSaysFunction) {
    engineState = {};
    engineState.currentOperation = Operation::Secant;
    testing_support::LogRecorder log;
    Complex result{7, 7};
    EXPECT_FALSE(ComplexDivide({1, 0}, {0, 0}, result));
    EXPECT_EQ(result, (Complex{7, 7})); // left untouched
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].text, u"Function has singularity at 0");
    EXPECT_EQ(log.messages[0].operation, u"Secant");
    engineState = {};
}

TEST(Underflow, OfAProductOrQuotientIsAWarningWithValueZero) {
    for (const char16_t* statement : {u"1e-200*1e-200", u"1e-300/1e300"}) {
        const auto run = Calculate(statement);
        EXPECT_TRUE(run.ok) << testing_support::Narrow(statement);
        ASSERT_EQ(run.messages.size(), 1u) << testing_support::Narrow(statement);
        EXPECT_EQ(run.messages[0].kind, 0);
        EXPECT_EQ(run.messages[0].text, u"Operation resulted in underflow, result accepted as 0");
        EXPECT_TRUE(run.text.ends_with(u"=0")) << testing_support::Narrow(statement);
    }
}

TEST(Underflow, NotReportedWhenAnOperandIsZero) {
    for (const char16_t* statement : {u"0*1e-200", u"0/5", u"1e-200*0"}) {
        const auto run = Calculate(statement);
        EXPECT_TRUE(run.ok);
        EXPECT_TRUE(run.messages.empty()) << testing_support::Narrow(statement);
    }
}

TEST(Overflow, OfTheFourOperationsFailsWithABlankSignWord) {
    for (auto [statement, operation] :
         {std::pair{u"1e308+1e308", u"Addition"}, std::pair{u"-1e308-1e308", u"Subtraction"},
          std::pair{u"1e200*1e200", u"Multiplication"}, std::pair{u"1e300/1e-300", u"Division"}}) {
        const auto run = Calculate(statement);
        EXPECT_FALSE(run.ok) << testing_support::Narrow(statement);
        ASSERT_EQ(run.messages.size(), 1u) << testing_support::Narrow(statement);
        EXPECT_EQ(run.messages[0].operation, operation);
        EXPECT_EQ(run.messages[0].text, u"Operation resulted in overflow, too big   number returned");
    }
}

TEST(ChangeOfSign, FlipsBothPartsAndZeroPrintsAsZero) {
    EXPECT_EQ(ResultOf(u"-(1-i*2)"), M + u"1+i*2");
    EXPECT_EQ(ResultOf(u"-0"), u"0");
}

TEST(Sign, TakesEachPartSeparately) {
    EXPECT_EQ(ResultOf(u"sign(-3+i*0)"), M + u"1");
    EXPECT_EQ(ResultOf(u"sign(0)"), u"0");
    EXPECT_EQ(ResultOf(u"sign(2-i*5)"), u"1" + M + u"i");
    EXPECT_EQ(ResultOf(u"sign(-i*1e-300)"), M + u"i");
}

} // namespace
