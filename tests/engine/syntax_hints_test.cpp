// The plain advice after a syntax error: which slip each statement shows, what the
// hint says, and that a hint only ever follows an error.

#include <gtest/gtest.h>

#include "engine/parser/nearest_name.h"
#include "engine/parser/syntax_hints.h"
#include "tests/engine/log_recorder.h"

namespace {

using namespace NCalculatorText;
using testing_support::Calculate;
using testing_support::Narrow;

struct HintCase {
    const char* name;
    std::u16string statement;
    std::u16string hint; // empty: no slip recognised
};

class Hints : public testing::TestWithParam<HintCase> {};

TEST_P(Hints, SayWhatTheSlipIs) {
    const HintCase& c = GetParam();
    const std::optional<SyntaxHint> hint = FindSyntaxHint(c.statement);
    EXPECT_EQ(hint ? hint->text : u"", c.hint)
        << Narrow(c.statement) << " gave " << Narrow(hint ? hint->text : u"");
}

std::string CaseName(const testing::TestParamInfo<HintCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Slips, Hints,
    testing::Values(
        HintCase{"caret_for_power", u"2^10", u"Use ** for powers: 2**10"},
        HintCase{"every_caret_replaced", u"e^(i*pi) + 2^3", u"Use ** for powers: e**(i*pi) + 2**3"},
        HintCase{"bang_after_number", u"3!", u"Use fact() for factorials: fact(3)"},
        HintCase{"bang_after_group", u"(2+3)! / 2", u"Use fact() for factorials: fact((2+3)) / 2"},
        HintCase{"bang_after_call", u"1+sin(1)!", u"Use fact() for factorials: 1+fact(sin(1))"},
        HintCase{"minus_after_times", u"2*-3", u"Put a sign after an operator in brackets: 2*(-3)"},
        HintCase{"minus_after_power", u"10**-5", u"Put a sign after an operator in brackets: 10**(-5)"},
        HintCase{"minus_sign_after_plus", u"2+\u22123",
                 u"Put a sign after an operator in brackets: 2+(\u22123)"},
        HintCase{"sign_before_call", u"4/-sqrt(4)",
                 u"Put a sign after an operator in brackets: 4/(-sqrt(4))"},
        HintCase{"sign_before_exponent_number", u"2*-1e-5",
                 u"Put a sign after an operator in brackets: 2*(-1e-5)"},
        HintCase{"exponent_sign_is_no_operator", u"2*1e-5)", u"Remove the ) that no ( opens: 2*1e-5"},
        HintCase{"decimal_comma", u"1,5*2", u"Write decimals with a point: 1.5*2"},
        HintCase{"decimal_comma_in_one_argument", u"sin(0,5)", u"Write decimals with a point: sin(0.5)"},
        HintCase{"comma_between_arguments_kept", u"pow(2,5,3)",
                 u"pow takes 2 arguments: pow(base, exponent)"},
        HintCase{"comma_in_cell_name_kept", u"mem[1,5]**", u""},
        HintCase{"series_too_short", u"Sum(k, 1, 10)",
                 u"Sum takes 4 or 5 arguments: Sum(index, from, to, [step,] term)"},
        HintCase{"one_argument_function_given_two", u"sin(1, 2)", u"sin takes 1 argument: sin(z)"},
        HintCase{"mistyped_name", u"sine(1)", u"Unknown function sine: did you mean sin?"},
        HintCase{"name_in_capitals", u"SQRT(2)", u"Unknown function SQRT: did you mean sqrt?"},
        HintCase{"longer_name", u"factorial(5)", u"Unknown function factorial: did you mean fact?"},
        HintCase{"no_near_name", u"foo(1)", u"Unknown function foo; the help lists every function"},
        HintCase{"keyword_with_brackets", u"rand()", u"Write rand without brackets: rand"},
        HintCase{"symbol_without_brackets", u"\u221A2", u"Put the argument in brackets: \u221A(2)"},
        HintCase{"bracket_left_open", u"(1+2", u"Close every bracket: (1+2)"},
        HintCase{"closing_bracket_alone", u"1+2)*3", u"Remove the ) that no ( opens: 1+2*3"},
        HintCase{"number_before_name", u"2pi", u"Write * for products: 2*pi"},
        HintCase{"number_before_bracket", u"3(4+5)", u"Write * for products: 3*(4+5)"},
        HintCase{"brackets_side_by_side", u"(1+2)(3+4)", u"Write * for products: (1+2)*(3+4)"},
        HintCase{"number_before_e", u"3e", u"Write * for products: 3*e"},
        HintCase{"two_lines", u"sin(1)\r\ncos(2)", u"Put ; between statements: sin(1); cos(2)"},
        HintCase{"line_ending_in_operator_is_one_statement", u"2*\r\n-3",
                 u"Put a sign after an operator in "
                 u"brackets: 2* (-3)"},
        HintCase{"long_correction_gives_a_model", u"1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+17^2",
                 u"Use ** for powers: 2**10"},
        HintCase{"nothing_recognised", u"1->x", u""}, HintCase{"dollar_is_no_common_slip", u"$1", u""}),
    CaseName);

struct NameCase {
    const char* name;
    std::u16string typed;
    std::u16string nearest;
};

class Nearest : public testing::TestWithParam<NameCase> {};

TEST_P(Nearest, FindsTheMeantName) {
    EXPECT_EQ(NearestFunctionName(GetParam().typed), GetParam().nearest);
}

INSTANTIATE_TEST_SUITE_P(
    Names, Nearest,
    testing::Values(NameCase{"other_case", u"gamma", u"Gamma"}, NameCase{"one_edit", u"cso", u""},
                    NameCase{"swapped_neighbours", u"arcsni", u"arcsin"},
                    NameCase{"one_edit_beats_prefix", u"arcsinh", u"arsinh"},
                    NameCase{"known_prefix", u"log10", u"log"}, NameCase{"begins_a_name", u"sqr", u"sqrt"},
                    NameCase{"short_words_need_the_same_letters", u"min", u""},
                    NameCase{"two_edits_for_long_words", u"sqroot", u"sqrt"},
                    NameCase{"same_end_breaks_a_tie", u"arcsech", u"arsech"},
                    NameCase{"ties_go_to_the_first_listed", u"tang", u"tan"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST(HintLine, FollowsTheSyntaxErrorAsAWarning) {
    const auto run = Calculate(u"2^10");
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0].text, u"Syntax error");
    EXPECT_EQ(run.messages[1].kind, 0);
    EXPECT_EQ(run.messages[1].operation, u"None");
    EXPECT_EQ(run.messages[1].text, u"Use ** for powers: 2**10");
}

TEST(HintLine, NeverFollowsASuccessOrAnotherError) {
    // The comma of pow(2,5) separates arguments; 1/0 and fact(-1) are no syntax errors.
    for (const char16_t* statement : {u"pow(2,5)", u"2*(-3)", u"x", u"1/0", u"fact(-1)"}) {
        for (const auto& message : Calculate(statement).messages)
            EXPECT_NE(message.operation, u"None") << Narrow(statement) << ": " << Narrow(message.text);
    }
}

TEST(HintLine, ChangesNothingThatIsCalculated) {
    const auto run = Calculate(u"1+1; 2^3; 4");
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.text, u"1+1=2; 2^3; 4");
}

TEST(HintLine, LeavesHugeStatementsAlone) {
    EXPECT_FALSE(FindSyntaxHint(std::u16string(2000, u'1') + u"^2").has_value());
}

} // namespace
