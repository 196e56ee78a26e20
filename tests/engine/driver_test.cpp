// The calculation driver: statements, comments, writing results back, the caret,
// and where a failing run stops.

#include <gtest/gtest.h>

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
                    Rewrite{"caret_in_white_space_statement", u"1;  ;2", 3, u"1;  ;2", -1},
                    Rewrite{"caret_in_replaced_result", u"1+1=7; 5", 4, u"1+1=2; 5", 6}),
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
