// The Bessel function nodes as a user meets them: results written back for both names
// of each function, argument checks, and the report of every kernel status.

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

struct ResultCase {
    const char16_t* statement;
    std::u16string expected;
};

class BesselResult : public ::testing::TestWithParam<ResultCase> {};

TEST_P(BesselResult, IsWrittenBack) {
    EXPECT_EQ(ResultOf(GetParam().statement), GetParam().expected) << Narrow(GetParam().statement);
}

INSTANTIATE_TEST_SUITE_P(
    BothNames, BesselResult,
    ::testing::Values(ResultCase{u"J(0.5, 1+2*i)", u"1.9866134730419+i*0.0013808728354313"},
                      ResultCase{u"BesselJ(0.5, 1+2*i)", u"1.9866134730419+i*0.0013808728354313"},
                      ResultCase{u"K(100, 10+50*i)",
                                 M + u"1.2743798661422e+17" + M + u"i*5.1636657389611e+17"},
                      ResultCase{u"BesselK(-1.5, 2)", u"0.17990665795209"},
                      ResultCase{u"Y(-1.5, -2)", u"i*0.49129377868716"},
                      ResultCase{u"BesselY(2.5, 3)", M + u"0.3690407300738"},
                      ResultCase{u"I(-2, 1+i)", M + u"0.041579886943962+i*0.24739764151331"},
                      ResultCase{u"BesselI(0.5, -3)", u"i*4.6148229034076"}, ResultCase{u"J(0, 0)", u"1"},
                      ResultCase{u"K(0.5, -2)", M + u"i*6.5483804685533"}));

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
