// Status reports: every message text, how each kind treats the ok flag, the
// operation names, and the math-error handler.

#include <gtest/gtest.h>

#include <limits>

#include "engine/core/math_error_handler.h"
#include "tests/engine/log_recorder.h"

using namespace NCalculatorText;
using testing_support::LogRecorder;

namespace {

const std::u16string M = u"\u2212";

class Reports : public testing::Test {
  protected:
    void SetUp() override { engineState = {}; }
    void TearDown() override { engineState = {}; }
};

struct Expected {
    StatusKind kind;
    Complex value;
    int logKind;
    bool clearsOk;
    std::u16string text;
};

TEST_F(Reports, EveryKindHasItsTextAndSeverity) {
    const double inf = std::numeric_limits<double>::infinity();
    const Expected table[] = {
        {StatusKind::SyntaxError, {}, 1, true, u"Syntax error"},
        {StatusKind::UninitializedMemory, {}, 0, false, u"Uninitialized memory used, value forced to 0"},
        {StatusKind::Overflow,
         {inf, 0},
         1,
         true,
         u"Operation resulted in overflow, too big positive number returned"},
        {StatusKind::Overflow,
         {-inf, 0},
         1,
         true,
         u"Operation resulted in overflow, too big negative number returned"},
        {StatusKind::Overflow, {}, 1, true, u"Operation resulted in overflow, too big   number returned"},
        {StatusKind::Underflow,
         {-1.5e-310, 3},
         0,
         false,
         u"Operation resulted in underflow, result accepted as -1.5e-310"},
        {StatusKind::NotDefined, {0, -2}, 1, true, u"Function is not defined for " + M + u"i\u22172"},
        {StatusKind::Singularity, {1, -1}, 1, true, u"Function has singularity at 1" + M + u"i"},
        {StatusKind::PartialLoss,
         {0.5, 0},
         0,
         false,
         u"Operation resulted in partial loss of precision, result accepted as 0.5"},
        {StatusKind::TotalLoss,
         {-2, 0},
         0,
         false,
         u"Operation resulted in total loss of precision, result accepted as -2"},
        {StatusKind::NoConvergence, {}, 1, false, u"Computation algorithm failed to converge"},
        {StatusKind::InvalidParameter, {}, 1, true, u"Invalid parameter"},
        {StatusKind::NotSupported, {}, 1, true, u"Not supported in this Calculator version"},
        {StatusKind::Stopped, {}, 1, true, u"Calculation stopped by the user"},
        {StatusKind::NoStatus, {}, 1, true, u"Unknown error"},
        {StatusKind::UnknownError, {}, 1, true, u"Unknown error"},
        {static_cast<StatusKind>(42), {}, 1, true, u"Unknown error"},
    };
    for (const Expected& row : table) {
        engineState = {};
        engineState.currentOperation = Operation::GammaFunction;
        LogRecorder log;
        ReportStatus(row.kind, row.value);
        ASSERT_EQ(log.messages.size(), 1u);
        EXPECT_EQ(log.messages[0].text, row.text);
        EXPECT_EQ(log.messages[0].kind, row.logKind) << log.messages[0].kind;
        EXPECT_EQ(log.messages[0].operation, u"Gamma function");
        EXPECT_EQ(engineState.ok, !row.clearsOk) << static_cast<int>(row.kind);
        const bool unknown = row.kind == StatusKind::NoStatus || static_cast<int>(row.kind) > 13;
        EXPECT_EQ(engineState.lastStatus, unknown ? StatusKind::UnknownError : row.kind);
    }
}

TEST_F(Reports, SingularityOfDivisionSaysOperation) {
    engineState.currentOperation = Operation::Division;
    LogRecorder log;
    ReportStatus(StatusKind::Singularity, {});
    EXPECT_EQ(log.messages.at(0).text, u"Operation has singularity at 0");
}

TEST_F(Reports, ValuesQuotedWithTheSelectedLetter) {
    engineState.imaginaryLetter = u'j';
    LogRecorder log;
    ReportStatus(StatusKind::NotDefined, {2, 0.5});
    EXPECT_EQ(log.messages.at(0).text, u"Function is not defined for 2+j\u22170.5");
}

TEST_F(Reports, SuppressedOverflowOnlyRecordsTheStatus) {
    engineState.suppressOverflow = true;
    LogRecorder log;
    ReportStatus(StatusKind::Overflow, {1e308, 0});
    EXPECT_TRUE(log.messages.empty());
    EXPECT_TRUE(engineState.ok);
    EXPECT_EQ(engineState.lastStatus, StatusKind::Overflow);
}

TEST_F(Reports, WithoutAReceiverStateStillChanges) {
    ReportStatus(StatusKind::InvalidParameter);
    EXPECT_FALSE(engineState.ok);
    EXPECT_EQ(engineState.lastStatus, StatusKind::InvalidParameter);
}

TEST_F(Reports, OperationScopeNamesTheInnermostAndRestores) {
    LogRecorder log;
    {
        OperationScope outer(Operation::Power);
        {
            OperationScope inner(Operation::Exponent);
            ReportStatus(StatusKind::Underflow);
        }
        EXPECT_EQ(engineState.lastOperation, Operation::Exponent);
        EXPECT_EQ(engineState.currentOperation, Operation::Power);
    }
    EXPECT_EQ(engineState.currentOperation, Operation::None);
    EXPECT_EQ(engineState.lastOperation, Operation::Power);
    EXPECT_EQ(log.messages.at(0).operation, u"Exponent");
}

TEST(OperationNames, CoverTheTableAndNothingElse) {
    EXPECT_EQ(OperationName(0), u"None");
    EXPECT_EQ(OperationName(Operation::ArchyperbolicCosecant), u"Archyperbolic cosecant");
    EXPECT_EQ(OperationName(Operation::BesselK), u"Modified Bessel of the second kind");
    EXPECT_EQ(OperationName(46), u"Vector");
    EXPECT_EQ(OperationName(47), u"Undefined");
    EXPECT_EQ(OperationName(-1), u"Undefined");
}

TEST_F(Reports, MathErrorsBecomeReportsOfTheCallingNode) {
    using NCalculatorMath::MathErrorRecord;
    struct Row {
        int type;
        StatusKind kind;
        std::u16string text;
    };
    const Row rows[] = {
        {1, StatusKind::NotDefined, u"Function is not defined for 7"},
        {2, StatusKind::Singularity, u"Function has singularity at 7"},
        {3, StatusKind::Overflow, u"Operation resulted in overflow, too big negative number returned"},
        {4, StatusKind::Underflow, u"Operation resulted in underflow, result accepted as -9"},
        {5, StatusKind::TotalLoss, u"Operation resulted in total loss of precision, result accepted as -9"},
        {6, StatusKind::PartialLoss,
         u"Operation resulted in partial loss of precision, result accepted as -9"},
    };
    for (const Row& row : rows) {
        engineState = {};
        engineState.currentOperation = Operation::Sine;
        LogRecorder log;
        MathErrorRecord record{row.type, "sin", 7.0, 8.0, -9.0};
        EXPECT_EQ(OnMathError(record), 1);
        ASSERT_EQ(log.messages.size(), 1u);
        EXPECT_EQ(log.messages[0].text, row.text);
        EXPECT_EQ(log.messages[0].operation, u"Sine");
        EXPECT_EQ(engineState.lastStatus, row.kind);
    }
    for (int type : {0, 7}) {
        LogRecorder log;
        MathErrorRecord record{type, "sin", 7.0, 8.0, -9.0};
        EXPECT_EQ(OnMathError(record), 1);
        EXPECT_TRUE(log.messages.empty());
    }
}

TEST_F(Reports, KernelsReachTheHandlerThroughTheLibraryHook) {
    engineState.currentOperation = Operation::Cosine;
    LogRecorder log;
    const double returned =
        NCalculatorMath::RaiseMathError(NCalculatorMath::MathErrorType::TotalLoss, "cos", 1e300, 0, 0.25);
    EXPECT_EQ(returned, 0.25);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].operation, u"Cosine");
    EXPECT_EQ(log.messages[0].text,
              u"Operation resulted in total loss of precision, result accepted as 0.25");
}

} // namespace
