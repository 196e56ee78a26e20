// Exponential, ln(1 + x) and the thresholds derived from the largest double.

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numeric/detail/elementary_detail.h"
#include "numeric/elementary.h"

namespace NCalculatorMath {

namespace detail {

namespace {

inline constexpr double kInverseLn2 = 1.4426950408889634;
// Beyond this, y * e^x over- or underflows for every finite y and small k.
inline constexpr double kReducibleLimit = 4096.0;
// y is brought near 1 before it meets e^r, so that neither a huge y overflows nor a
// subnormal y loses bits ahead of the final power of two.
inline constexpr double kLargeFactor = 0x1p1000;
inline constexpr double kSmallFactor = 0x1p-960;

} // namespace

const DerivedThresholds& Thresholds() noexcept {
    static const DerivedThresholds thresholds = [] {
        const double largest = std::numeric_limits<double>::max();
        return DerivedThresholds{std::log(std::sqrt(largest)), std::log(largest), std::sqrt(largest),
                                 std::ldexp(1.0, -std::numeric_limits<double>::digits)};
    }();
    return thresholds;
}

ExpSplit::ExpSplit(double x) noexcept : x_(x) {
    if (!(std::fabs(x) <= kReducibleLimit))
        return;
    // x / ln 2 rounded to the nearest integer by the 1.5 * 2^52 shift (|x| <= 4096).
    const double n = (x * kInverseLn2 + 0x1.8p52) - 0x1.8p52;
    n_ = static_cast<int>(n);
    er_ = std::exp((x - n * kLn2High) - n * kLn2Low);
    reduced_ = true;
}

double ExpSplit::Times(double y, int k) const noexcept {
    if (y == 0.0)
        return 0.0;
    if (!reduced_) {
        if (std::isnan(x_))
            return x_;
        return x_ > 0.0 ? y * std::numeric_limits<double>::infinity() : y * 0.0;
    }
    int prescale = 0;
    const double size = std::fabs(y);
    if (size > kLargeFactor) {
        y *= 0x1p-64;
        prescale = 64;
    } else if (size < kSmallFactor) {
        y *= 0x1p64;
        prescale = -64;
    }
    const int exponent = n_ + k + prescale;
    // A normal power of two multiplies with one rounding, as ldexp would.
    if (exponent >= -1022 && exponent <= 1023)
        return y * er_ * std::bit_cast<double>(static_cast<std::uint64_t>(exponent + 1023) << 52);
    return std::ldexp(y * er_, exponent);
}

Complex ExpWithoutLossCheck(const Complex& z) noexcept {
    const ExpSplit split(z.re);
    return {split.Times(std::cos(z.im)), split.Times(std::sin(z.im))};
}

} // namespace detail

using namespace detail;

double ScaledExp(double x, double y, int k) noexcept {
    return ExpSplit(x).Times(y, k);
}

Complex Exp(const Complex& z) noexcept {
    const double c = std::cos(z.im);
    const double s = std::sin(z.im);
    CheckAngleArgument("cos", z.im, c);
    const ExpSplit split(z.re);
    return {split.Times(c), split.Times(s)};
}

double Log1p(double x) noexcept {
    if (x == 0.0)
        return x;
    if (std::fabs(x) > 0.1) {
        // ln u of the rounded u = 1 + x, corrected by the rounding error of u
        // (u - 1 is exact): ln(1 + x) = ln u - (u - 1 - x) / u to first order.
        const double u = x + 1.0;
        return std::log(u) - ((u - 1.0) - x) / u;
    }
    // x - x^2/2 + x^3/3 - ... for x > 0; for x < 0 every term subtracts, so the sum
    // runs on |x| and is negated at the end.
    const double epsilon = Thresholds().epsilon;
    const double a = std::fabs(x);
    double sum = a;
    double pending = a * a / 2.0;
    if (pending < epsilon * a)
        return x;
    double power = a * a;
    double sign = x > 0.0 ? -1.0 : 1.0;
    for (int j = 3;; ++j) {
        power *= a;
        const double term = power / j;
        sum += sign * pending;
        if (term < epsilon * sum)
            break;
        pending = term;
        if (x > 0.0)
            sign = -sign;
    }
    return x > 0.0 ? sum : -sum;
}

} // namespace NCalculatorMath
