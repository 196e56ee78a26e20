// The function nodes as a user meets them: results written back, angle units,
// singular points, the reciprocal functions' underflow, ln of factorial and Gamma,
// power forms, the component functions, and every message with its operation.

#include <gtest/gtest.h>

#include "tests/engine/log_recorder.h"
#include "tests/engine/report_case.h"

using testing_support::Calculate;
using testing_support::ExpectOneReport;
using testing_support::Narrow;
using testing_support::ReportCase;
using testing_support::ResultOf;
using namespace NCalculatorText;

namespace {

const std::u16string M = u"\u2212"; // minus sign in results

CalculationOptions InUnit(AngleUnit unit) {
    CalculationOptions options;
    options.angleUnit = unit;
    return options;
}

struct ResultCase {
    const char16_t* statement;
    std::u16string expected;
    AngleUnit unit = AngleUnit::Radians;
};

class Result : public ::testing::TestWithParam<ResultCase> {};

TEST_P(Result, IsWrittenBack) {
    const ResultCase& c = GetParam();
    EXPECT_EQ(ResultOf(c.statement, InUnit(c.unit)), c.expected) << Narrow(c.statement);
}

INSTANTIATE_TEST_SUITE_P(
    AngleUnits, Result,
    ::testing::Values(ResultCase{u"sin(30)", u"0.5", AngleUnit::Degrees},
                      ResultCase{u"arcsin(0.5)", u"30", AngleUnit::Degrees},
                      ResultCase{u"cos(100)", u"6.1232339957368e" + M + u"17", AngleUnit::Grads},
                      ResultCase{u"tan(50)", u"1", AngleUnit::Grads},
                      ResultCase{u"acos(0)", u"100", AngleUnit::Grads},
                      ResultCase{u"sec(60)", u"2", AngleUnit::Degrees},
                      ResultCase{u"arg(-1)", u"3.1415926535898", AngleUnit::Degrees},
                      ResultCase{u"arg(-1-i*0)", u"3.1415926535898", AngleUnit::Degrees},
                      ResultCase{u"sinh(1)", u"1.1752011936438", AngleUnit::Degrees},
                      ResultCase{u"sin(pi/6)", u"0.5"}, ResultCase{u"tan(pi/2)", u"1.6331239353195e+16"}));

INSTANTIATE_TEST_SUITE_P(Values, Result,
                         ::testing::Values(ResultCase{u"ln(-1)", u"i*3.1415926535898"},
                                           ResultCase{u"lg(100)", u"2"},
                                           ResultCase{u"log(-10)", u"1+i*1.3643763538418"},
                                           ResultCase{u"ln(1.0000000001)", u"1.0000000826904e" + M + u"10"},
                                           ResultCase{u"lg(1.0000000001)", u"4.3429451781522e" + M + u"11"},
                                           ResultCase{u"sqrt(-4)", u"i*2"}, ResultCase{u"\u221A(9)", u"3"},
                                           ResultCase{u"exp(i*pi)", M + u"1+i*1.2246467991474e" + M + u"16"},
                                           ResultCase{u"abs(3e300+i*4e300)", u"5e+300"},
                                           ResultCase{u"abs(-3)", u"3"}, ResultCase{u"cosh(i*pi)", M + u"1"},
                                           ResultCase{u"th(1e6)", u"1"},
                                           ResultCase{u"cth(i)", M + u"i*0.64209261593433"},
                                           ResultCase{u"sec(1)", u"1.8508157176809"},
                                           ResultCase{u"csch(1)", u"0.85091812823932"}));

// The inverse hyperbolic functions give principal values.
INSTANTIATE_TEST_SUITE_P(
    PrincipalValues, Result,
    ::testing::Values(ResultCase{u"arch(2)", u"1.3169578969248"},
                      ResultCase{u"acosh(-2)", u"1.3169578969248+i*3.1415926535898"},
                      ResultCase{u"arcosh(2-i)", u"1.4693517443682" + M + u"i*0.50735630321714"},
                      ResultCase{u"arcth(-2)", M + u"0.54930614433405"},
                      ResultCase{u"acoth(0.5)", u"0.54930614433405+i*1.5707963267949"},
                      ResultCase{u"arth(2)", u"0.54930614433405+i*1.5707963267949"},
                      ResultCase{u"arsch(-2)", u"i*2.0943951023932"},
                      ResultCase{u"asech(0.5)", u"1.3169578969248"},
                      ResultCase{u"arsh(-i*2)", u"1.3169578969248" + M + u"i*1.5707963267949"},
                      ResultCase{u"acsch(i*0.5)", u"1.3169578969248" + M + u"i*1.5707963267949"}));

INSTANTIATE_TEST_SUITE_P(
    GammaAndPower, Result,
    ::testing::Values(ResultCase{u"ln(fact(200))", u"863.23198719241"}, ResultCase{u"ln(fact(1))", u"0"},
                      ResultCase{u"ln(Gamma(2))", u"0"}, ResultCase{u"ln(\u0393(300))", u"1409.2020674704"},
                      ResultCase{u"ln(ceil(Gamma(2.5)))", u"0.69314718055995"}, ResultCase{u"fact(0)", u"1"},
                      ResultCase{u"fact(170)", u"7.257415615308e+306"},
                      ResultCase{u"Gamma(150.5)", u"4.6610726270974e+261"},
                      ResultCase{u"fact(142.5)", u"3.2203704817308e+246"},
                      ResultCase{u"Gamma(0.5)", u"1.7724538509055"}, ResultCase{u"pow(2,3)", u"8"},
                      ResultCase{u"2**3", u"8"}, ResultCase{u"2**3**2", u"64"}, ResultCase{u"0**2", u"0"},
                      ResultCase{u"(-8)**(1/3)", u"1+i*1.7320508075689"}, ResultCase{u"pow(i,2)", M + u"1"}));

// Integer powers of a real base are the exact power rounded once: subnormal results are
// kept, and 1.0000001 (the double nearest to it) to the 10^7 is, by mpmath,
//   mpmath.mpf(1.0000001)**10000000 = 2.718281694132081570601965605...
INSTANTIATE_TEST_SUITE_P(IntegerPowers, Result,
                         ::testing::Values(ResultCase{u"2**(-1074)", u"4.9406564584125e" + M + u"324"},
                                           ResultCase{u"2**(-1060)", u"8.094771541463e" + M + u"320"},
                                           ResultCase{u"10**(-309)", u"1e" + M + u"309"},
                                           ResultCase{u"1.0000001**10000000", u"2.7182816941321"},
                                           ResultCase{u"2**10", u"1024"}, ResultCase{u"0.5**(-3)", u"8"},
                                           ResultCase{u"(-2)**(-3)", M + u"0.125"}));

INSTANTIATE_TEST_SUITE_P(Components, Result,
                         ::testing::Values(ResultCase{u"floor(-2.5+i*3.5)", M + u"3+i*3"},
                                           ResultCase{u"ceil(-2.5+i*3.5)", M + u"2+i*4"},
                                           ResultCase{u"ceiling(2.1)", u"3"}, ResultCase{u"re(3-i*4)", u"3"},
                                           ResultCase{u"imaginarypart(3-i*4)", M + u"4"},
                                           ResultCase{u"argument(i)", u"1.5707963267949"},
                                           ResultCase{u"conj(3-i*4)", u"3+i*4"},
                                           ResultCase{u"sign(2-i*5)", u"1" + M + u"i"}));

class Report : public ::testing::TestWithParam<ReportCase> {};

TEST_P(Report, IsLoggedWithItsOperation) {
    ExpectOneReport(GetParam());
}

const std::u16string kOverflowBlank = u"Operation resulted in overflow, too big   number returned";

INSTANTIATE_TEST_SUITE_P(
    Singularities, Report,
    ::testing::Values(
        ReportCase{u"ctg(0)", false, 1, u"Cotangent", u"Function has singularity at 0"},
        ReportCase{u"cth(0)", false, 1, u"Hyperbolic cotangent", u"Function has singularity at 0"},
        ReportCase{u"atan(i)", false, 1, u"Arctangent", u"Function has singularity at i"},
        ReportCase{u"acot(-i)", false, 1, u"Arccotangent", u"Function has singularity at " + M + u"i"},
        ReportCase{u"arth(1)", false, 1, u"Archyperbolic tangent", u"Function has singularity at 1"},
        ReportCase{u"arth(-1)", false, 1, u"Archyperbolic tangent",
                   u"Function has singularity at " + M + u"1"},
        ReportCase{u"arcth(1)", false, 1, u"Archyperbolic cotangent", u"Function has singularity at 1"},
        ReportCase{u"arsech(0)", false, 1, u"Archyperbolic secant", u"Function has singularity at 0"},
        ReportCase{u"arcsch(0)", false, 1, u"Archyperbolic cosecant", u"Function has singularity at 0"},
        ReportCase{u"asec(0)", false, 1, u"Arcsecant", u"Function has singularity at 0"},
        ReportCase{u"acsc(0)", false, 1, u"Arccosecant", u"Function has singularity at 0"},
        ReportCase{u"ln(0)", false, 1, u"Natural logarithm", u"Function has singularity at 0"},
        ReportCase{u"lg(0)", false, 1, u"Decimal logarithm", u"Function has singularity at 0"},
        ReportCase{u"fact(-1)", false, 1, u"Factorial", u"Function has singularity at " + M + u"1"},
        ReportCase{u"Gamma(0)", false, 1, u"Gamma function", u"Function has singularity at 0"},
        ReportCase{u"Gamma(-2)", false, 1, u"Gamma function", u"Function has singularity at " + M + u"2"},
        ReportCase{u"0**0", false, 1, u"Power", u"Function has singularity at 0"},
        ReportCase{u"0**(-1)", false, 1, u"Power", u"Function has singularity at 0"},
        ReportCase{u"0**i", false, 1, u"Power", u"Function has singularity at 0"}));

INSTANTIATE_TEST_SUITE_P(
    Failures, Report,
    ::testing::Values(ReportCase{u"fact(200)", false, 1, u"Factorial", kOverflowBlank},
                      ReportCase{u"Gamma(172)", false, 1, u"Gamma function", kOverflowBlank},
                      ReportCase{u"exp(1000)", false, 1, u"Exponent", kOverflowBlank},
                      ReportCase{u"10**400", false, 1, u"Power", kOverflowBlank},
                      ReportCase{u"pow(2)", false, 1, u"Power", u"Syntax error",
                                 u"pow takes 2 arguments: pow(base, exponent)"},
                      ReportCase{u"pow(1,2,3)", false, 1, u"Power", u"Syntax error",
                                 u"pow takes 2 arguments: pow(base, exponent)"},
                      ReportCase{u"sin(1,2)", false, 1, u"Vector",
                                 u"Not supported in this Calculator version",
                                 u"Write decimals with a point: sin(1.2)"},
                      ReportCase{u"abs(1e308*(1.5+i*1.5))", false, 1, u"Absolute value",
                                 u"Operation resulted in overflow, too big positive number returned"}));

// Where the kernels raise the runtime's math errors themselves: a hyperbolic factor
// of the sine family that overflows, and a trigonometric argument too large for its
// angle to mean anything (partial loss from 2^26, total loss from 2^53).
INSTANTIATE_TEST_SUITE_P(
    MathErrors, Report,
    ::testing::Values(
        ReportCase{u"sinh(1000)", false, 1, u"Hyperbolic sine",
                   u"Operation resulted in overflow, too big positive number returned"},
        ReportCase{u"sin(i*1000)", false, 1, u"Sine",
                   u"Operation resulted in overflow, too big positive number returned"},
        ReportCase{u"sin(0.5+i*1000)", false, 1, u"Sine",
                   u"Operation resulted in overflow, too big positive number returned"},
        ReportCase{u"cos(-i*1000)", false, 1, u"Cosine",
                   u"Operation resulted in overflow, too big positive number returned"},
        ReportCase{u"sh(-1000)", false, 1, u"Hyperbolic sine",
                   u"Operation resulted in overflow, too big negative number returned"},
        ReportCase{u"sin(1e20)", true, 0, u"Sine",
                   u"Operation resulted in total loss of precision, result accepted as -0.64525128526578"},
        ReportCase{u"tan(1e10)", true, 0, u"Tangent",
                   u"Operation resulted in partial loss of precision, result accepted as -0.55834963781124"},
        ReportCase{u"exp(i*1e17)", true, 0, u"Exponent",
                   u"Operation resulted in total loss of precision, result accepted as -0.88555732829763"}));

TEST(ReciprocalFunctions, AstronomicalDenominatorGivesZeroWithAnUnderflowWarning) {
    for (const char16_t* statement : {u"sec(i*1000)", u"cosec(i*1000)", u"sech(1000)", u"csch(-1000)"}) {
        const auto run = Calculate(statement);
        EXPECT_TRUE(run.ok) << Narrow(statement);
        ASSERT_EQ(run.messages.size(), 1u) << Narrow(statement);
        EXPECT_EQ(run.messages[0].kind, 0);
        EXPECT_EQ(run.messages[0].text, u"Operation resulted in underflow, result accepted as 0");
        EXPECT_NE(run.text.find(u"=0"), std::u16string::npos) << Narrow(run.text);
    }
}

TEST(ReciprocalFunctions, UnderflowLeavesNothingBehindForTheNextOne) {
    const auto run = Calculate(u"sec(i*1000); sec(1); sec(i*1000)+sec(1)");
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.text, u"sec(i*1000)=0; sec(1)=1.8508157176809; sec(i*1000)+sec(1)=1.8508157176809");
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0].operation, u"Secant");
    EXPECT_EQ(run.messages[1].operation, u"Secant");
}

TEST(ReciprocalFunctions, ExactZeroDenominatorIsASingularityAtTheConvertedArgument) {
    const auto run = Calculate(u"csch(0)");
    EXPECT_FALSE(run.ok);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"Hyperbolic cosecant");
    EXPECT_EQ(run.messages[0].text, u"Function has singularity at 0");
}

TEST(Logarithm, ShortcutAppliesOnlyToADirectFactorialOrGamma) {
    const auto alone = Calculate(u"fact(200)");
    EXPECT_FALSE(alone.ok);
    EXPECT_EQ(ResultOf(u"ln(fact(200))"), u"863.23198719241");
    EXPECT_EQ(ResultOf(u"ln(fact(200)/1)"), u"failed"); // the division's child overflows first
}

TEST(Power, MessagesOfTheOperatorAndFunctionFormsAgree) {
    const auto operatorForm = Calculate(u"0**(-2)");
    const auto functionForm = Calculate(u"pow(0,-2)");
    ASSERT_EQ(operatorForm.messages.size(), 1u);
    ASSERT_EQ(functionForm.messages.size(), 1u);
    EXPECT_EQ(operatorForm.messages[0].text, functionForm.messages[0].text);
    EXPECT_EQ(operatorForm.messages[0].operation, u"Power");
}

TEST(Power, ASubnormalOrVanishingPowerIsNoReport) {
    // As for a non-integer exponent (2**(-1074.5)) and a product of 1e-300 * 1e-10: only
    // the overflow of the finiteness check reports.
    for (const char16_t* statement : {u"2**(-1074)", u"(-10)**(-315)", u"2**(-1080)", u"2**(-1074.5)"}) {
        const auto run = Calculate(statement);
        EXPECT_TRUE(run.ok) << Narrow(statement);
        EXPECT_TRUE(run.messages.empty()) << Narrow(statement) << ": " << Narrow(run.messages[0].text);
    }
}

TEST(Messages, QuoteComplexArgumentsWithTheMessageSigns) {
    const auto run = Calculate(u"atan(-i)");
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, u"Function has singularity at " + M + u"i");
    const auto gamma = Calculate(u"Gamma(-3)");
    ASSERT_EQ(gamma.messages.size(), 1u);
    EXPECT_EQ(gamma.messages[0].text, u"Function has singularity at " + M + u"3");
}

} // namespace
