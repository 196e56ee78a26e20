// The one formatter of values and the locale-independent number conversions.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

#include "engine/core/format.h"
#include "engine/core/number_text.h"
#include "tests/engine/log_recorder.h"

using namespace NCalculatorText;

namespace {

const std::u16string M = u"\u2212";
const std::u16string Star = u"\u2217";

struct Case {
    const char* name;
    Complex value;
    std::u16string expected;
};

class ResultText : public testing::TestWithParam<Case> {};

TEST_P(ResultText, MatchesTheWrittenForm) {
    EXPECT_EQ(FormatComplex(GetParam().value, ResultFormat(u'i')), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Short, ResultText,
    testing::Values(
        Case{"two", {2, 0}, u"2"}, Case{"minus_two", {-2, 0}, M + u"2"}, Case{"zero", {0, 0}, u"0"},
        Case{"negative_zeros", {-0.0, -0.0}, u"0"}, Case{"i", {0, 1}, u"i"},
        Case{"minus_i", {0, -1}, M + u"i"}, Case{"imaginary", {0, 2.5}, u"i*2.5"},
        Case{"minus_imaginary", {0, -2.5}, M + u"i*2.5"}, Case{"one_plus_i", {1, 1}, u"1+i"},
        Case{"one_minus_i", {1, -1}, u"1" + M + u"i"}, Case{"one_plus_2i", {1, 2}, u"1+i*2"},
        Case{"one_minus_2i", {1, -2}, u"1" + M + u"i*2"}, Case{"third", {1.0 / 3, 0}, u"0.33333333333333"},
        Case{"two_thirds", {2.0 / 3, 0}, u"0.66666666666667"},
        Case{"root_two", {std::sqrt(2.0), 0}, u"1.4142135623731"}, Case{"1e15", {1e15, 0}, u"1e+15"},
        Case{"small_negative", {-2.5e-20, 0}, M + u"2.5e" + M + u"20"},
        Case{"real_with_negative_zero_imaginary", {3, -0.0}, u"3"},
        Case{"exponent_in_both_parts", {1e-5, -1e20}, u"1e" + M + u"05" + M + u"i*1e+20"},
        Case{"smallest_subnormal", {4.9406564584124654e-324, 0}, u"4.9406564584125e" + M + u"324"},
        Case{"largest", {1.7976931348623157e308, 0}, u"1.7976931348623e+308"}),
    [](const auto& info) { return info.param.name; });

TEST(FormatUses, SpacesAndOperatorSignForDisplay) {
    EXPECT_EQ(FormatComplex({1, 2}, DisplayFormat(u'i')), u"1 + i" + Star + u"2");
    EXPECT_EQ(FormatComplex({-1, -2}, DisplayFormat(u'j')), M + u"1 " + M + u" j" + Star + u"2");
    EXPECT_EQ(FormatComplex({0, -2}, DisplayFormat(u'i')), M + u"i" + Star + u"2");
    EXPECT_EQ(FormatComplex({0, -2}, MessageFormat(u'i')), M + u"i" + Star + u"2");
}

TEST(FormatUses, MemoryFilesKeepTwentyDigitsAndTheLetterI) {
    EXPECT_EQ(FormatComplex({0.1, 0}, MemoryFileFormat()), u"0.10000000000000000555");
    EXPECT_EQ(FormatComplex({1.0 / 3, 0}, MemoryFileFormat()), u"0.33333333333333331483");
    EXPECT_EQ(FormatComplex({0, 1.0 / 3}, MemoryFileFormat()), u"i*0.33333333333333331483");
}

TEST(FormatDouble, AgreesWithPrintfInTheCLocale) {
    const double values[] = {0.1,           1.0 / 3,
                             123456.789,    1e-5,
                             1e-4,          1e14,
                             1e15,          99999999999999.5,
                             5e-324,        -0.0,
                             6.02214076e23, 2.5,
                             1e100,         -1234.5678901234567};
    for (double x : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.14g", x);
        EXPECT_EQ(FormatDouble(x, NumberFormat::Short), expected);
        std::snprintf(expected, sizeof expected, "%.20g", x);
        EXPECT_EQ(FormatDouble(x, NumberFormat::Full), expected);
    }
}

// Runs the body with the process locale's decimal separator set to a comma.
class CommaLocale : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "C.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr && *std::localeconv()->decimal_point == ',')
                return;
        }
        std::setlocale(LC_ALL, "C");
        FAIL() << "no locale with a decimal comma is installed (scripts/setup.sh makes de_DE.UTF-8)";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaLocale, NumbersAreStillReadAndWrittenWithAPoint) {
    EXPECT_EQ(ParseDouble(u"1.5"), 1.5);
    EXPECT_EQ(FormatDouble(1.5, NumberFormat::Short), "1.5");
    EXPECT_EQ(testing_support::ResultOf(u"1.5*2.25"), u"3.375");
}

TEST(ParseDouble, LongestPrefixAsStrtod) {
    EXPECT_EQ(ParseDouble(u"5e-"), 5.0);
    EXPECT_EQ(ParseDouble(u"1.e5"), 1e5);
    EXPECT_EQ(ParseDouble(u"e5"), 0.0);
    EXPECT_EQ(ParseDouble(u"+7"), 7.0);
    EXPECT_EQ(ParseDouble(u"1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDouble(u"1e-400"), 0.0);
    EXPECT_EQ(ParseDouble(u"2\u00B2"), 2.0);
    EXPECT_EQ(ParseDouble(std::u16string(300, u'1')), std::strtod(std::string(300, '1').c_str(), nullptr));
}

} // namespace
