// The Bessel function nodes as a user meets them: results written back for both names
// of each function, argument checks, and the report of every kernel status.

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/log_recorder.h"
#include "tests/engine/report_case.h"
#include "tests/numeric/bessel_reference_points.h"

using testing_support::Calculate;
using testing_support::ExpectOneReport;
using testing_support::Narrow;
using testing_support::ReportCase;
using testing_support::ResultOf;
using namespace NCalculatorText;

namespace {

const std::u16string M = u"\u2212"; // minus sign in results

// The statement and the kernel call it makes, whose mpmath value the reference vectors hold.
struct ResultCase {
    const char* name;
    const char16_t* statement;
    char function;
    double order;
    Complex z;
};

class BesselResult : public ::testing::TestWithParam<ResultCase> {};

TEST_P(BesselResult, IsMpmathsValueWrittenBack) {
    const ResultCase& c = GetParam();
    const bessel_reference::Point* reference = bessel_reference::Find(c.function, c.order, c.z);
    ASSERT_NE(reference, nullptr) << "no reference vector for " << c.name;
    // The result as the user reads it, calculated once more: 14 digits of each part.
    const std::u16string written = ResultOf(c.statement);
    ASSERT_TRUE(Calculate(written).ok) << Narrow(c.statement) << " wrote " << Narrow(written);
    const Complex value = engineState.previousResult;
    // The node's part is to hand the order and the argument to the right kernel; the kernels'
    // own accuracy is measured in the numeric tests.
    EXPECT_LE(bessel_reference::RelativeError(value, reference->exact), 1e-13L)
        << Narrow(c.statement) << " wrote " << Narrow(written) << ", expected " << reference->exact.re
        << " + " << reference->exact.im << "i";
    // A part that is zero exactly (for a real argument) is not written at all.
    if (reference->exact.re == 0.0) {
        EXPECT_EQ(value.re, 0.0) << Narrow(c.statement);
    }
    if (reference->exact.im == 0.0) {
        EXPECT_EQ(value.im, 0.0) << Narrow(c.statement);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothNames, BesselResult,
    ::testing::Values(
        ResultCase{"J_complex_argument", u"J(0.5, 1+2*i)", 'J', 0.5, {1.0, 2.0}},
        ResultCase{"BesselJ_complex_argument", u"BesselJ(0.5, 1+2*i)", 'J', 0.5, {1.0, 2.0}},
        ResultCase{"K_large_order", u"K(100, 10+50*i)", 'K', 100.0, {10.0, 50.0}},
        ResultCase{"BesselK_negative_order_is_real", u"BesselK(-1.5, 2)", 'K', -1.5, {2.0, 0.0}},
        ResultCase{"Y_negative_argument_is_imaginary", u"Y(-1.5, -2)", 'Y', -1.5, {-2.0, 0.0}},
        ResultCase{"BesselY_positive_argument_is_real", u"BesselY(2.5, 3)", 'Y', 2.5, {3.0, 0.0}},
        ResultCase{"I_negative_integer_order", u"I(-2, 1+i)", 'I', -2.0, {1.0, 1.0}},
        ResultCase{"BesselI_negative_argument_is_imaginary", u"BesselI(0.5, -3)", 'I', 0.5, {-3.0, 0.0}},
        ResultCase{"K_negative_argument_is_imaginary", u"K(0.5, -2)", 'K', 0.5, {-2.0, 0.0}}),
    [](const ::testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

TEST(BesselNodes, JOfOrderZeroAtZeroIsOne) {
    EXPECT_EQ(ResultOf(u"J(0, 0)"), u"1");
}

class BesselReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(BesselReport, NamesTheFunction) {
    ExpectOneReport(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    ArgumentChecks, BesselReport,
    ::testing::Values(ReportCase{u"J(0.5+i, 1)", false, 1, u"Bessel of the first kind", u"Invalid parameter"},
                      ReportCase{u"Y(0, 0)", false, 1, u"Bessel of the second kind",
                                 u"Function has singularity at 0"},
                      ReportCase{u"K(1, 0)", false, 1, u"Modified Bessel of the second kind",
                                 u"Function has singularity at 0"},
                      ReportCase{u"I(1)", false, 1, u"Modified Bessel of the first kind", u"Syntax error",
                                 u"I takes 2 arguments: I(order, z)"},
                      ReportCase{u"BesselJ(1, 2, 3)", false, 1, u"Bessel of the first kind", u"Syntax error",
                                 u"BesselJ takes 2 arguments: BesselJ(order, z)"}));

INSTANTIATE_TEST_SUITE_P(
    KernelStatus, BesselReport,
    ::testing::Values(
        ReportCase{u"J(1, 1e-310)", true, 0, u"Bessel of the first kind",
                   u"Operation resulted in underflow, result accepted as 0"},
        ReportCase{u"K(200, 1)", false, 1, u"Modified Bessel of the second kind",
                   u"Operation resulted in overflow, too big   number returned"},
        ReportCase{u"Y(0, 1e-306)", false, 1, u"Bessel of the second kind",
                   u"Operation resulted in overflow, too big   number returned"},
        ReportCase{u"J(5e7, 5e7)", true, 0, u"Bessel of the first kind",
                   u"Operation resulted in partial loss of precision, result accepted as 0.0012141788650863"},
        ReportCase{u"I(1, 3e15)", true, 0, u"Modified Bessel of the first kind",
                   u"Operation resulted in total loss of precision, result accepted as 0"}));

TEST(BesselNodes, AWarningKeepsTheValueAndTheCalculationGoesOn) {
    const auto run = Calculate(u"J(1, 1e-310); I(100, 1)");
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.text, u"J(1, 1e-310)=0; I(100, 1)=8.4736740081381e" + M + u"189");
    ASSERT_EQ(run.messages.size(), 1u);
}

TEST(BesselNodes, AnErrorStopsTheRunBeforeTheNextStatement) {
    const auto run = Calculate(u"K(200, 1); J(0, 1)");
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.text.find(u"J(0, 1)="), std::u16string::npos) << Narrow(run.text);
}

TEST(BesselNodes, TheOrderIsEvaluatedBeforeTheArgument) {
    // The invalid order is reported; the argument's own error never happens.
    const auto run = Calculate(u"J(i, 1/0)");
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].text, u"Invalid parameter");
}

} // namespace
