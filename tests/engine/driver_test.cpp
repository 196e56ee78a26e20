// The calculation driver: statements, comments, writing results back, the caret,
// and where a failing run stops.

#include <gtest/gtest.h>

#include <atomic>
#include <utility>

#include "tests/engine/log_recorder.h"

using testing_support::Calculate;
using namespace NCalculatorText;

namespace {

const std::u16string M = u"\u2212";

struct Rewrite {
    const char* name;
    std::u16string text;
    int caret;
    std::u16string expected;
    int expectedCaret; // -1: the end of the expected text
};

class Rewrites : public testing::TestWithParam<Rewrite> {};

TEST_P(Rewrites, TextAndCaret) {
    const Rewrite& row = GetParam();
    const auto run = Calculate(row.text, row.caret);
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.text, row.expected);
    EXPECT_EQ(run.caret, row.expectedCaret < 0 ? static_cast<int>(row.expected.size()) : row.expectedCaret);
}

INSTANTIATE_TEST_SUITE_P(
    Results, Rewrites,
    testing::Values(Rewrite{"all_statements", u"1+1; 2*3", kCalculateAll, u"1+1=2; 2*3=6", -1},
                    Rewrite{"old_result_replaced_keeping_spaces", u"2+3 = 7", kCalculateAll, u"2+3 = 5", -1},
                    Rewrite{"result_before_trailing_space", u"2+3  ;", kCalculateAll, u"2+3=5  ;", -1},
                    Rewrite{"several_words_after_equals", u"x = 1 2", kCalculateAll, u"x = 0 ", -1},
                    Rewrite{"equals_without_old_result", u"4*2=", kCalculateAll, u"4*2=8", -1},
                    Rewrite{"equals_then_spaces_only", u"4*2=  ;", kCalculateAll, u"4*2=8  ;", -1},
                    Rewrite{"empty_statements_skipped", u";;1;;2;", kCalculateAll, u";;1=1;;2=2;", -1},
                    Rewrite{"line_breaks_kept", u"1\r\n+1;\r\n2", kCalculateAll, u"1\r\n+1=2;\r\n2=2", -1},
                    Rewrite{"negative_result_with_minus_sign", u"2-5", kCalculateAll, u"2-5=" + M + u"3", -1},
                    Rewrite{"result_fed_back_in", u"2-5=\u22123; rslt*2", kCalculateAll,
                            u"2-5=" + M + u"3; rslt*2=" + M + u"6", -1},
                    Rewrite{"white_space_statement_skipped", u"1;   ; 2", kCalculateAll, u"1=1;   ; 2=2", -1},
                    Rewrite{"empty_text", u"", kCalculateAll, u"", -1}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Comments, Rewrites,
    testing::Values(Rewrite{"line_comment_kept_after_result", u"pi // circle constant", kCalculateAll,
                            u"pi=3.1415926535898 // circle constant", -1},
                    Rewrite{"equals_in_comment_is_not_a_marker", u"1+1 // = 7\r\n", kCalculateAll,
                            u"1+1=2 // = 7\r\n", -1},
                    Rewrite{"block_comment_inside_expression", u"1 + /* two; */ 2", kCalculateAll,
                            u"1 + /* two; */ 2=3", -1},
                    Rewrite{"comment_only_statement", u"// nothing\r\n;/**/;3", kCalculateAll,
                            u"// nothing\r\n;/**/;3=3", -1},
                    Rewrite{"slash_star_slash_is_a_whole_comment", u"/*/ 1;", kCalculateAll, u"/*/ 1=1;", -1},
                    Rewrite{"line_comment_inside_block_comment", u"/* // */ 5", kCalculateAll,
                            u"/* // */ 5=5", -1},
                    Rewrite{"old_result_before_comment_replaced", u"2*2 = 5 // was wrong", kCalculateAll,
                            u"2*2 = 4 // was wrong", -1}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Caret, Rewrites,
    testing::Values(Rewrite{"only_the_statement_at_the_caret", u"1+1; 2+2; 3", 6, u"1+1; 2+2=4; 3", 11},
                    Rewrite{"caret_at_the_semicolon_counts", u"1+1; 2+2; 3", 3, u"1+1=2; 2+2; 3", 6},
                    Rewrite{"caret_at_statement_start", u"1+1; 2+2; 3", 4, u"1+1; 2+2=4; 3", 11},
                    Rewrite{"last_statement_without_semicolon", u"1; 2+2", 5, u"1; 2+2=4", -1},
                    Rewrite{"caret_beyond_the_text", u"1+1", 99, u"1+1", -1},
                    Rewrite{"white_space_statement_on_its_own_line", u"1;\r\n  ;2", 5, u"1;\r\n  ;2", -1},
                    Rewrite{"caret_in_replaced_result", u"1+1=7; 5", 4, u"1+1=2; 5", 6}),
    [](const auto& info) { return info.param.name; });

// A caret in an empty statement, behind a ";" on its line, calculates the statement that
// ";" ends; with a statement after the ";", Ctrl+= still walks on to it.
INSTANTIATE_TEST_SUITE_P(
    CaretBehindSemicolon, Rewrites,
    testing::Values(
        Rewrite{"directly_behind", u"2*3;", 4, u"2*3=6;", 6},
        Rewrite{"behind_spaces_and_a_comment", u"2*3;  // six", 12, u"2*3=6;  // six", 6},
        Rewrite{"statement_on_the_next_line_taken_as_before", u"2*3;\r\n4+4;", 4, u"2*3;\r\n4+4=8;", -1},
        Rewrite{"only_comments_below", u"2*3;\r\n  // note\r\n", 4, u"2*3=6;\r\n  // note\r\n", 6},
        Rewrite{"in_an_empty_statement_of_the_same_line", u"1;  ;2", 3, u"1=1;  ;2", 4},
        Rewrite{"behind_a_double_semicolon", u"2*3;;", 5, u"2*3=6;;", 6},
        Rewrite{"text_behind_the_caret_keeps_its_statement", u"1+1; 2+2", 4, u"1+1; 2+2=4", -1},
        Rewrite{"start_of_the_next_line_keeps_its_statement", u"1;\r\n2+2", 4, u"1;\r\n2+2=4", -1},
        Rewrite{"comment_over_a_line_break_is_not_the_same_line", u"2*3; /*\r\n*/", 11, u"2*3; /*\r\n*/",
                -1}),
    [](const auto& info) { return info.param.name; });

// An old result ends with its line: a line typed below it without a ";" is a statement
// of its own and is never erased as part of the old result.
INSTANTIATE_TEST_SUITE_P(
    OldResultLines, Rewrites,
    testing::Values(
        Rewrite{"line_below_a_result_calculated_at_the_caret", u"2+3=5\r\n4*2", 10, u"2+3=5\r\n4*2=8", -1},
        Rewrite{"caret_on_the_result_line_ends_there", u"2+3=7\r\n4*2", 5, u"2+3=5\r\n4*2", 5},
        Rewrite{"calculate_all_takes_both", u"2+3=7\r\n4*2", kCalculateAll, u"2+3=5\r\n4*2=8", -1},
        Rewrite{"comment_behind_the_result", u"2+3=7 // old\r\n4*2", kCalculateAll, u"2+3=5 // old\r\n4*2=8",
                -1},
        Rewrite{"result_on_the_line_after_its_equals", u"4*2 =\r\n  9\r\n", kCalculateAll,
                u"4*2 =\r\n  8\r\n", -1},
        Rewrite{"expression_over_lines_before_its_result", u"1 +\r\n2 = 9\r\n;3", kCalculateAll,
                u"1 +\r\n2 = 3\r\n;3=3", -1},
        Rewrite{"words_on_the_result_line_still_go", u"x = 1 2\r\n", kCalculateAll, u"x = 0 \r\n", -1}),
    [](const auto& info) { return info.param.name; });

TEST(FailingRun, StopsAtTheFirstErrorKeepingEarlierResults) {
    const auto run = Calculate(u"1+1; 1/0 = 5; 2+2 = 9");
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.text, u"1+1=2; 1/0  ; 2+2 = 9");
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"Division");
}

TEST(FailingRun, LeavesTheCaretAsItCame) {
    const auto run = Calculate(u"1; foo(2)=3", 5);
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.caret, 5);
    EXPECT_EQ(run.text, u"1; foo(2)");
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0].operation, u"None");
    EXPECT_EQ(run.messages[0].text, u"Syntax error");
    EXPECT_EQ(run.messages[1].text, u"Unknown function foo; the help lists every function");
}

TEST(FailingRun, UnclosedBlockCommentTouchesNothing) {
    const auto run = Calculate(u"1+1=7; /* open", 0);
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.text, u"1+1=7; /* open");
    EXPECT_EQ(run.caret, 0);
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0].text, u"Syntax error");
    EXPECT_EQ(run.messages[1].text, u"Close the block comment with */: /* a comment */");
}

TEST(FailingRun, ReportsTheFailingStatementWithoutItsWhiteSpace) {
    auto run = Calculate(u"1+1; 1/0 = 5; 2+2 = 9");
    EXPECT_EQ(run.text.substr(run.failed.start, run.failed.length), u"1/0");
    run = Calculate(u"1;\r\n  foo(2) \r\n = 3", 6);
    EXPECT_EQ(run.text.substr(run.failed.start, run.failed.length), u"foo(2)");
    run = Calculate(u"1+\r\n/*x*/ 2 +; 3");
    EXPECT_EQ(run.text.substr(run.failed.start, run.failed.length), u"1+\r\n/*x*/ 2 +");
}

TEST(FailingRun, UnclosedCommentIsTheFailingPart) {
    const auto run = Calculate(u"1+1=7; /* a */ 2; /* open");
    EXPECT_EQ(run.text.substr(run.failed.start, run.failed.length), u"/* open");
    ASSERT_EQ(run.messages.size(), 2u); // the error and its hint
    for (const auto& message : run.messages)
        EXPECT_EQ(message.statementStart, run.failed.start);
}

TEST(FailingRun, NoRangeAfterSuccess) {
    const auto run = Calculate(u"1/0; 2");
    EXPECT_FALSE(run.ok);
    const auto next = Calculate(u"1+1; 2");
    EXPECT_TRUE(next.ok);
    EXPECT_EQ(next.failed.length, 0);
}

TEST(Log, MessagesNameWhereTheirStatementStandsInTheReturnedText) {
    const auto run = Calculate(u"1=7;\r\n  2+mem[none]=3; 4");
    EXPECT_EQ(run.text, u"1=1;\r\n  2+mem[none]=2; 4=4");
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].statementStart, 8);
    EXPECT_EQ(run.text[8], u'2');
}

// Sets the stop request at the first message of the run, as the user would.
class StopAtFirstMessage final : public ILogReceiver {
  public:
    void AddMessage(const LogMessage& message) override {
        stop.store(true);
        messages.push_back({message.kind, std::u16string(message.operation), std::u16string(message.text),
                            message.statementStart});
    }
    void ClearMessages() override { messages.clear(); }

    std::atomic<bool> stop{false};
    std::vector<testing_support::RecordedMessage> messages;
};

TEST(Stop, EndsTheSeriesLikeAnErrorKeepingEarlierResults) {
    StopAtFirstMessage log;
    ILogReceiver* previous = std::exchange(engineState.logReceiver, &log);
    CalculationOptions options;
    options.stopRequest = &log.stop;
    std::u16string text = u"1+1; Sum(k, 1, 1e15, mem[none])=5; 3";
    int caret = kCalculateAll;
    TextRange failed;
    EXPECT_FALSE(NCalculatorText::Calculate(text, caret, options, &failed));
    engineState.logReceiver = previous;
    EXPECT_EQ(text, u"1+1=2; Sum(k, 1, 1e15, mem[none]); 3");
    EXPECT_EQ(text.substr(failed.start, failed.length), u"Sum(k, 1, 1e15, mem[none])");
    ASSERT_EQ(log.messages.size(), 2u);
    EXPECT_EQ(log.messages[1].kind, 1);
    EXPECT_EQ(log.messages[1].operation, u"Series sum");
    EXPECT_EQ(log.messages[1].text, u"Calculation stopped by the user");
}

TEST(Stop, RequestedBeforeAStatementFailsThatStatement) {
    std::atomic<bool> stop{true};
    CalculationOptions options;
    options.stopRequest = &stop;
    const auto run = Calculate(u"1+1=5; 2", kCalculateAll, options);
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.text, u"1+1; 2");
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].operation, u"None");
    EXPECT_EQ(run.messages[0].text, u"Calculation stopped by the user");
    // The request belongs to its run only.
    EXPECT_TRUE(Calculate(u"1+1").ok);
}

TEST(Warnings, NeverStopTheRun) {
    const auto run = Calculate(u"x = 7; mem[nothing]; 2");
    EXPECT_TRUE(run.ok);
    EXPECT_EQ(run.text, u"x = 0; mem[nothing]=0; 2=2");
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0].operation, u"Index");
    EXPECT_EQ(run.messages[1].operation, u"Memory");
}

TEST(Log, IsClearedAtEveryStart) {
    testing_support::LogRecorder log;
    for (std::u16string text : {u"1/0", u"1"}) {
        int caret = kCalculateAll;
        NCalculatorText::Calculate(text, caret, {});
    }
    EXPECT_EQ(log.clears, 2);
    EXPECT_TRUE(log.messages.empty());
}

TEST(PreviousResult, SurvivesRunsAndFailures) {
    Calculate(u"6*7");
    Calculate(u"1/0");
    EXPECT_EQ(testing_support::ResultOf(u"rslt"), u"42");
    EXPECT_EQ(testing_support::ResultOf(u"result+1"), u"43");
}

TEST(ImaginaryLetter, FollowsTheOption) {
    CalculationOptions options;
    options.imaginaryLetter = ImaginaryLetterFromPreference(1);
    EXPECT_EQ(testing_support::ResultOf(u"2-i*3", options), u"2" + M + u"j*3");
    EXPECT_EQ(ImaginaryLetterFromPreference(0), u'i');
    EXPECT_EQ(ImaginaryLetterFromPreference(7), u'i');
}

TEST(AngleUnit, FromThePreferenceNumber) {
    EXPECT_EQ(AngleUnitFromPreference(1), AngleUnit::Degrees);
    EXPECT_EQ(AngleUnitFromPreference(2), AngleUnit::Grads);
    EXPECT_EQ(AngleUnitFromPreference(0), AngleUnit::Radians);
    EXPECT_EQ(AngleUnitFromPreference(3), AngleUnit::Radians);
    EXPECT_EQ(AngleUnitFromPreference(-1), AngleUnit::Radians);
}

TEST(StripComments, BlanksWithSpacesKeepingPositions) {
    std::u16string copy = u"a//x\r\nb/*y*/c";
    ASSERT_TRUE(StripComments(copy));
    EXPECT_EQ(copy, u"a     b     c");
    std::u16string open = u"a /* b";
    EXPECT_FALSE(StripComments(open));
    std::u16string unmatched = u"a */ b";
    EXPECT_TRUE(StripComments(unmatched));
    EXPECT_EQ(unmatched, u"a */ b");
}

} // namespace
