#include "app/panes/statistics.h"

#include <algorithm>
#include <cmath>

#include "engine/core/format.h"
#include "numeric/elementary.h"

namespace NCalculatorPanes {

namespace {

constexpr Complex Add(Complex a, Complex b) {
    return {a.re + b.re, a.im + b.im};
}
constexpr Complex Subtract(Complex a, Complex b) {
    return {a.re - b.re, a.im - b.im};
}
constexpr Complex Multiply(Complex a, Complex b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
constexpr Complex Square(Complex a) {
    return {a.re * a.re - a.im * a.im, 2.0 * a.re * a.im};
}
constexpr Complex Scale(Complex a, double s) {
    return {a.re * s, a.im * s};
}
Complex Ldexp(Complex a, int exponent) {
    return {std::ldexp(a.re, exponent), std::ldexp(a.im, exponent)};
}

// Smith's division: divide by the larger part of the divisor first. No reports.
Complex Divide(Complex a, Complex b) {
    if (std::fabs(b.re) >= std::fabs(b.im)) {
        const double r = b.im / b.re;
        const double d = b.re + b.im * r;
        return {(a.re + a.im * r) / d, (a.im - a.re * r) / d};
    }
    const double r = b.re / b.im;
    const double d = b.re * r + b.im;
    return {(a.re * r + a.im) / d, (a.im * r - a.re) / d};
}

// The power of two that brings the sample's largest part near 1 when its size would
// make a fourth power overflow or underflow; 0 (no scaling, every result bit for bit
// as unscaled) for everyday sizes. The statistics are formed on the scaled values and
// scaled back at the end, so a representable result never overflows midway.
int SampleExponent(std::span<const Complex> sample) {
    double largest = 0.0;
    for (const Complex& z : sample) {
        if (!std::isfinite(z.re) || !std::isfinite(z.im))
            return 0;
        largest = std::max({largest, std::fabs(z.re), std::fabs(z.im)});
    }
    constexpr double kSmallest = 0x1p-120;
    constexpr double kLargest = 0x1p+120;
    if (largest == 0.0 || (largest >= kSmallest && largest <= kLargest))
        return 0;
    return std::ilogb(largest);
}

} // namespace

StatisticsResult ComputeStatistics(std::span<const Complex> sample) {
    const double n = static_cast<double>(sample.size());
    const int exponent = SampleExponent(sample);

    Complex sum{};
    for (const Complex& z : sample)
        sum = Add(sum, Ldexp(z, -exponent));
    const Complex mean{sum.re / n, sum.im / n};

    double absoluteSum = 0.0;
    Complex s1{}, s2{}, s3{}, s4{};
    for (const Complex& z : sample) {
        const Complex d = Subtract(Ldexp(z, -exponent), mean);
        const Complex d2 = Square(d);
        const Complex d3 = Multiply(d2, d);
        absoluteSum += NCalculatorMath::Magnitude(d);
        s1 = Add(s1, d);
        s2 = Add(s2, d2);
        s3 = Add(s3, d3);
        s4 = Add(s4, Multiply(d3, d));
    }

    // The S1 term corrects the rounding of the mean.
    const Complex s1Squared = Square(s1);
    const Complex correction{s1Squared.re / n, s1Squared.im / n};
    const Complex difference = Subtract(s2, correction);
    const Complex variance{difference.re / (n - 1.0), difference.im / (n - 1.0)};
    const Complex deviation = NCalculatorMath::Sqrt(variance);

    StatisticsResult result;
    auto set = [&result](Statistic which, Complex value) {
        result.values[static_cast<std::size_t>(which)] = value;
        result.computed[static_cast<std::size_t>(which)] = true;
    };
    set(Statistic::Mean, Ldexp(mean, exponent));
    set(Statistic::Variance, Ldexp(variance, 2 * exponent));
    set(Statistic::StandardDeviation, Ldexp(deviation, exponent));
    set(Statistic::AverageDeviation, {std::ldexp(absoluteSum / n, exponent), 0.0});
    if (!variance.IsZero()) {
        // Both are ratios of like powers of the deviations, so the scaling cancels.
        const Complex nVariance = Scale(variance, n);
        set(Statistic::Skewness, Divide(s3, Multiply(nVariance, deviation)));
        Complex kurtosis = Divide(s4, Multiply(nVariance, variance));
        kurtosis.re -= 3.0;
        set(Statistic::Kurtosis, kurtosis);
    }
    return result;
}

std::u16string StatisticText(Complex value, bool computed, char16_t imaginaryLetter) {
    if (!computed)
        return u"Cannot be calculated";
    if (std::isfinite(value.re) && std::isfinite(value.im))
        return NCalculatorText::FormatComplex(value, NCalculatorText::DisplayFormat(imaginaryLetter));
    if (std::isnan(value.re) || std::isnan(value.im))
        return u"Undefined";
    return u"Overflow: too big number";
}

} // namespace NCalculatorPanes
