// How statements are read: operator precedence and associativity, number and name
// recognition, bracket groups and placeholders.

#include <gtest/gtest.h>

#include "engine/parser/recognizers.h"
#include "tests/engine/log_recorder.h"

using testing_support::ResultOf;

namespace {

struct Row {
    const char* name;
    std::u16string statement;
    std::u16string expected; // the text after "=", or "failed"
};

std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

class Evaluates : public testing::TestWithParam<Row> {};

TEST_P(Evaluates, ToExpectedResult) {
    EXPECT_EQ(ResultOf(GetParam().statement), GetParam().expected) << GetParam().name;
}

// The minus sign U+2212 that results are written with.
const std::u16string M = u"\u2212";

INSTANTIATE_TEST_SUITE_P(Precedence, Evaluates,
                         testing::Values(Row{"product_binds_tighter_than_sum", u"2+3*4", u"14"},
                                         Row{"brackets_group_first", u"(2+3)*4", u"20"},
                                         Row{"minus_is_left_associative", u"8-2-1", u"5"},
                                         Row{"division_is_left_associative", u"8/2/2", u"2"},
                                         Row{"mixed_mul_div_left_to_right", u"8/4*2", u"4"},
                                         Row{"change_of_sign_covers_the_product", u"-2*3", M + u"6"},
                                         Row{"sign_then_binary_plus", u"-1+2", u"1"},
                                         Row{"division_sign_u00f7", u"9\u00F72", u"4.5"},
                                         Row{"sign_after_operator_needs_brackets", u"2*-3", u"failed"},
                                         Row{"bracketed_negative_factor", u"2*(-3)", M + u"6"},
                                         Row{"plus_minus_sequence_is_an_error", u"2+-3", u"failed"},
                                         Row{"leading_plus_before_number", u"+7", u"7"},
                                         Row{"leading_plus_before_constant", u"+pi", u"3.1415926535898"},
                                         Row{"empty_right_operand", u"2*", u"failed"},
                                         Row{"minus_sign_u2212_reads_as_minus", u"5\u22122", u"3"}),
                         RowName);

INSTANTIATE_TEST_SUITE_P(
    Numbers, Evaluates,
    testing::Values(Row{"exponent_with_minus", u"2e-3", u"0.002"},
                    Row{"exponent_with_plus", u"2e+3", u"2000"},
                    Row{"e_minus_three_is_a_difference", u"e-3", M + u"0.28171817154095"},
                    Row{"leading_point", u".5", u"0.5"}, Row{"trailing_point", u"5.", u"5"},
                    Row{"exponent_and_point", u"1.5e-3", u"0.0015"},
                    Row{"capital_E_is_not_an_exponent", u"1E5", u"failed"},
                    Row{"two_points", u"1.2.3", u"failed"}, Row{"point_in_exponent", u"1e5.3", u"failed"},
                    Row{"exponent_without_digits", u"5e", u"failed"},
                    Row{"sign_first_ends_the_search", u"-2e", u"failed"},
                    Row{"digits_missing_before_e_read_as_zero", u"e5", u"0"},
                    Row{"exponent_sign_not_binary", u"x2e-3", u"failed"},
                    Row{"spaces_inside_number_vanish", u"1 000", u"1000"},
                    Row{"literal_out_of_range", u"1e999", u"failed"},
                    Row{"subnormal_literal_is_kept", u"1e-320*1e300", u"9.9998886718268e" + M + u"21"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(Brackets, Evaluates,
                         testing::Values(Row{"mixed_bracket_kinds", u"[1+2)", u"3"},
                                         Row{"curly_brackets", u"{1+2}*2", u"6"},
                                         Row{"unclosed_group", u"(1+2", u"failed"},
                                         Row{"stray_closing_bracket", u"1+2)", u"failed"},
                                         Row{"closing_before_opening", u")1(", u"failed"},
                                         Row{"redundant_brackets", u"((((7))))", u"7"},
                                         Row{"empty_brackets", u"()", u"failed"},
                                         Row{"dollar_is_reserved", u"1+$0$", u"failed"},
                                         Row{"dollar_inside_brackets_too", u"(1+$)", u"failed"},
                                         Row{"space_inside_a_function_name", u"s ign(-2)", M + u"1"},
                                         Row{"tabs_and_line_breaks_vanish", u"1\t+\r\n2", u"3"}),
                         RowName);

INSTANTIATE_TEST_SUITE_P(Names, Evaluates,
                         testing::Values(Row{"pi", u"pi", u"3.1415926535898"},
                                         Row{"pi_letter", u"\u03C0", u"3.1415926535898"},
                                         Row{"e", u"e", u"2.718281828459"},
                                         Row{"j_is_the_imaginary_unit_too", u"j", u"i"},
                                         Row{"capitalised_function_name", u"SIGN(1)", u"failed"},
                                         Row{"name_without_brackets_is_an_identifier", u"sign 2", u"0"},
                                         Row{"root_sign_without_brackets", u"\u221A2", u"failed"},
                                         Row{"keyword_with_brackets", u"random()", u"failed"},
                                         Row{"bare_name_is_a_variable", u"sin", u"0"},
                                         Row{"capital_letters_in_identifier", u"aB", u"failed"},
                                         Row{"identifier_with_digits_and_underscore", u"_x1", u"0"},
                                         Row{"unknown_function", u"foo(1)", u"failed"},
                                         Row{"series_sum_by_sigma", u"\u03A3(k,1,3,k)", u"6"},
                                         Row{"series_sum_by_n_ary_sign", u"\u2211(k,1,3,k)", u"6"},
                                         Row{"series_product_by_pi_letter", u"\u03A0(k,1,4,k)", u"24"},
                                         Row{"series_product_by_n_ary_sign", u"\u220F(k,1,4,k)", u"24"},
                                         Row{"product_long_name", u"Product(k,1,4,k)", u"24"}),
                         RowName);

INSTANTIATE_TEST_SUITE_P(Vectors, Evaluates,
                         testing::Values(Row{"vector_is_not_a_value", u"1,2", u"failed"},
                                         Row{"only_commas", u",", u"failed"},
                                         Row{"vector_as_function_argument", u"sign(1,2)", u"failed"}),
                         RowName);

TEST(BinarySign, SkipsExponentSignsAndTheFirstPosition) {
    using NCalculatorText::FindBinarySign;
    constexpr auto none = std::u16string_view::npos;
    EXPECT_EQ(FindBinarySign(u"1+2-3"), 3u);
    EXPECT_EQ(FindBinarySign(u"1-2+3"), 3u);
    EXPECT_EQ(FindBinarySign(u"-2"), none);
    EXPECT_EQ(FindBinarySign(u"2e-3"), none);
    EXPECT_EQ(FindBinarySign(u".e-3"), none); // a point before the "e" makes it an exponent
    EXPECT_EQ(FindBinarySign(u"2.e-3"), none);
    EXPECT_EQ(FindBinarySign(u"e-3"), 1u);
    EXPECT_EQ(FindBinarySign(u"1e-3+2e+4"), 4u);
}

TEST(MultiplyOrDivide, SkipsPowerOperatorsAndTakesTheLaterSign) {
    using NCalculatorText::FindMultiplyOrDivide;
    constexpr auto none = std::u16string_view::npos;
    EXPECT_EQ(FindMultiplyOrDivide(u"2**3"), none);
    EXPECT_EQ(FindMultiplyOrDivide(u"2*3**2"), 1u);
    EXPECT_EQ(FindMultiplyOrDivide(u"2/3*4"), 3u);
    EXPECT_EQ(FindMultiplyOrDivide(u"2*3/4"), 3u);
    EXPECT_EQ(FindMultiplyOrDivide(u"2/3\u00F74"), 3u);
    EXPECT_EQ(FindMultiplyOrDivide(u"*5"), 0u);
    EXPECT_EQ(FindMultiplyOrDivide(u"2***3"), 1u);
}

} // namespace
