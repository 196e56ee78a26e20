// Complex statistics of memory cells: the worked examples, degenerate samples, values
// whose powers leave the double range, and the text of each box.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "app/panes/statistics.h"

using namespace NCalculatorPanes;

namespace {

const std::u16string M = u"\u2212"; // minus sign
const std::u16string X = u"\u2217"; // multiplication sign of the panes
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::u16string TextOf(const StatisticsResult& result, Statistic which, char16_t letter = u'i') {
    return StatisticText(result.Value(which), result.Computed(which), letter);
}

struct ShownStatistics {
    std::u16string mean, variance, deviation, averageDeviation, skewness, kurtosis;
};

void ExpectShown(const std::vector<Complex>& sample, const ShownStatistics& expected) {
    const StatisticsResult result = ComputeStatistics(sample);
    EXPECT_EQ(TextOf(result, Statistic::Mean), expected.mean);
    EXPECT_EQ(TextOf(result, Statistic::Variance), expected.variance);
    EXPECT_EQ(TextOf(result, Statistic::StandardDeviation), expected.deviation);
    EXPECT_EQ(TextOf(result, Statistic::AverageDeviation), expected.averageDeviation);
    EXPECT_EQ(TextOf(result, Statistic::Skewness), expected.skewness);
    EXPECT_EQ(TextOf(result, Statistic::Kurtosis), expected.kurtosis);
}

} // namespace

TEST(StatisticsExamples, OneToFour) {
    ExpectShown({{1, 0}, {2, 0}, {3, 0}, {4, 0}},
                {u"2.5", u"1.6666666666667", u"1.2909944487358", u"1", u"0", M + u"2.0775"});
}

TEST(StatisticsExamples, PlusAndMinusI) {
    ExpectShown({{0, 1}, {0, -1}}, {u"0", M + u"2", u"i" + X + u"1.4142135623731", u"1", u"0", M + u"2.75"});
}

TEST(StatisticsExamples, ThreeComplexCells) {
    const StatisticsResult result = ComputeStatistics(std::vector<Complex>{{1, 1}, {2, -1}, {3, 0}});
    EXPECT_EQ(TextOf(result, Statistic::Variance), M + u"i");
    EXPECT_EQ(TextOf(result, Statistic::StandardDeviation),
              u"0.70710678118655 " + M + u" i" + X + u"0.70710678118655");
}

TEST(StatisticsExamples, TwoEqualCellsHaveNoSkewnessOrKurtosis) {
    ExpectShown({{2.5, -1}, {2.5, -1}},
                {u"2.5 " + M + u" i", u"0", u"0", u"0", u"Cannot be calculated", u"Cannot be calculated"});
}

TEST(StatisticsExamples, TheLetterJWhenChosen) {
    const StatisticsResult result = ComputeStatistics(std::vector<Complex>{{0, 1}, {0, -1}});
    EXPECT_EQ(TextOf(result, Statistic::StandardDeviation, u'j'), u"j" + X + u"1.4142135623731");
}

TEST(StatisticsScaling, EverydayValuesAreUnscaled) {
    // Exactly the unscaled steps: mean and variance of 0.1, 0.2, 0.3 to the last bit.
    const StatisticsResult result = ComputeStatistics(std::vector<Complex>{{0.1, 0}, {0.2, 0}, {0.3, 0}});
    const double mean = (0.1 + 0.2 + 0.3) / 3.0;
    EXPECT_EQ(result.Value(Statistic::Mean).re, mean);
    const double d[] = {0.1 - mean, 0.2 - mean, 0.3 - mean};
    const double s1 = d[0] + d[1] + d[2];
    const double s2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    EXPECT_EQ(result.Value(Statistic::Variance).re, (s2 - s1 * s1 / 3.0) / 2.0);
}

TEST(StatisticsScaling, HugeValuesKeepEveryRepresentableStatistic) {
    // Squares of 1e200 overflow, yet only the variance (2e400) is out of range.
    ExpectShown({{1e200, 0}, {-1e200, 0}},
                {u"0", u"Overflow: too big number", u"1.4142135623731e+200", u"1e+200", u"0", M + u"2.75"});
}

TEST(StatisticsScaling, MeanOfTheLargestDoublesDoesNotOverflow) {
    const double big = std::numeric_limits<double>::max();
    const StatisticsResult result = ComputeStatistics(std::vector<Complex>{{big, 0}, {big, 0}});
    EXPECT_EQ(result.Value(Statistic::Mean).re, big);
    EXPECT_EQ(TextOf(result, Statistic::Variance), u"0");
}

TEST(StatisticsScaling, ShapeOfLargeAndTinySamplesMatchesOneToFour) {
    for (const double unit : {1e80, 1e150, 1e-80, 1e-150}) {
        const StatisticsResult result =
            ComputeStatistics(std::vector<Complex>{{unit, 0}, {2 * unit, 0}, {3 * unit, 0}, {4 * unit, 0}});
        EXPECT_NEAR(result.Value(Statistic::Skewness).re, 0.0, 1e-14)
            << unit; // the cells are not exact multiples
        EXPECT_EQ(TextOf(result, Statistic::Kurtosis), M + u"2.0775") << unit;
        EXPECT_NEAR(result.Value(Statistic::StandardDeviation).re / unit, 1.2909944487358056, 1e-14) << unit;
    }
}

TEST(StatisticsUndefined, NotANumberCellMakesTheStatisticsUndefined) {
    const StatisticsResult result = ComputeStatistics(std::vector<Complex>{{kNaN, 0}, {1, 0}, {2, 0}});
    EXPECT_EQ(TextOf(result, Statistic::Mean), u"Undefined");
    EXPECT_EQ(TextOf(result, Statistic::AverageDeviation), u"Undefined");
    EXPECT_EQ(TextOf(result, Statistic::Kurtosis), u"Undefined");
}

TEST(StatisticsUndefined, InfiniteCellOverflowsTheMean) {
    const StatisticsResult result = ComputeStatistics(std::vector<Complex>{{kInf, 0}, {1, 0}});
    EXPECT_EQ(TextOf(result, Statistic::Mean), u"Overflow: too big number");
    EXPECT_EQ(TextOf(result, Statistic::Variance), u"Undefined"); // inf - inf
}

struct TextCase {
    const char* name;
    Complex value;
    bool computed;
    std::u16string expected;
};

class StatisticTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(StatisticTextTest, Shows) {
    EXPECT_EQ(StatisticText(GetParam().value, GetParam().computed, u'i'), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, StatisticTextTest,
    testing::Values(TextCase{"NotComputedWhateverTheValue", {kNaN, 0}, false, u"Cannot be calculated"},
                    TextCase{"FiniteComplexWithSpacedSign", {1, -2}, true, u"1 " + M + u" i" + X + u"2"},
                    TextCase{"NaNRealPart", {kNaN, 1}, true, u"Undefined"},
                    TextCase{"NaNBeatsInfinity", {kInf, kNaN}, true, u"Undefined"},
                    TextCase{"InfiniteImaginaryPart", {1, -kInf}, true, u"Overflow: too big number"}),
    [](const auto& info) { return std::string(info.param.name); });
