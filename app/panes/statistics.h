#pragma once
// Complex statistics of a sample of memory cells: mean, variance, standard and
// average deviation, skewness and excess kurtosis, in complex arithmetic.

#include <array>
#include <span>
#include <string>

#include "numeric/complex.h"

namespace NCalculatorPanes {

enum class Statistic : int {
    Mean = 0,
    Variance,
    StandardDeviation,
    AverageDeviation,
    Skewness,
    Kurtosis,
};
inline constexpr int kStatisticCount = 6;

struct StatisticsResult {
    std::array<Complex, kStatisticCount> values{};
    std::array<bool, kStatisticCount> computed{}; // skewness and kurtosis need a non-zero variance

    Complex Value(Statistic which) const { return values[static_cast<std::size_t>(which)]; }
    bool Computed(Statistic which) const { return computed[static_cast<std::size_t>(which)]; }
};

// sample: at least two values, in the store's order (the sums run in that order).
StatisticsResult ComputeStatistics(std::span<const Complex> sample);

// The text of one statistic's box: the value as the panes show values, or why there is none.
std::u16string StatisticText(Complex value, bool computed, char16_t imaginaryLetter);

} // namespace NCalculatorPanes
