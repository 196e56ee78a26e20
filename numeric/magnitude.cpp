// Magnitude, square root, logarithm and reciprocal.

#include <cmath>
#include <limits>

#include "numeric/detail/elementary_detail.h"
#include "numeric/elementary.h"

namespace NCalculatorMath {

using namespace detail;

ScaledValue ScaledMagnitude(const Complex& z) noexcept {
    if (std::isnan(z.re) || std::isnan(z.im))
        return {std::numeric_limits<double>::quiet_NaN(), 0};
    if (std::isinf(z.re) || std::isinf(z.im))
        return {std::numeric_limits<double>::infinity(), 0};
    double larger = std::fmax(std::fabs(z.re), std::fabs(z.im));
    double smaller = std::fmin(std::fabs(z.re), std::fabs(z.im));
    if (larger == 0.0)
        return {0.0, 0};

    int exponent;
    if (larger >= 1.0) {
        exponent = 2;
        larger *= 0.25;
        smaller *= 0.25;
    } else {
        exponent = -2;
        larger *= 4.0;
        smaller *= 4.0;
    }

    const double difference = larger - smaller;
    if (difference == larger) // the smaller component is negligible
        return {larger, exponent};
    if (smaller < difference) {
        const double q = larger / smaller;
        return {larger + smaller / (std::sqrt(q * q + 1.0) + q), exponent};
    }
    // Components close to equal: 1 + sqrt 2 in two parts keeps the last bits.
    const double q = difference / smaller;
    const double r = (q + 2.0) * q;
    const double s = r / (kSqrt2 + std::sqrt(r + 2.0)) + kOnePlusSqrt2Low + q + kOnePlusSqrt2High;
    return {larger + smaller / s, exponent};
}

namespace {

// 2^k for the exponents ScaledMagnitude returns: multiplying by it rounds exactly as
// ldexp would, without the call.
double PowerOfTwo(int k) noexcept {
    return k == 2 ? 4.0 : k == -2 ? 0.25 : 1.0;
}

} // namespace

double Magnitude(const Complex& z) noexcept {
    const ScaledValue scaled = ScaledMagnitude(z);
    return scaled.mantissa * PowerOfTwo(scaled.exponent);
}

Complex Sqrt(const Complex& z) noexcept {
    const ScaledValue scaled = ScaledMagnitude(z);
    if (scaled.exponent == 0) // zero, infinite or NaN
        return {scaled.mantissa, scaled.mantissa};
    const double scaledRe = std::fabs(z.re) * PowerOfTwo(-scaled.exponent);
    // sqrt((|re| + |z|) / 2) = 2^(k/2 - 1) sqrt(2 (R + m)), formed on the scaled values
    const double rho = std::sqrt(2.0 * (scaledRe + scaled.mantissa)) * (scaled.exponent == 2 ? 1.0 : 0.25);
    if (z.re >= 0.0)
        return {rho, z.im / (2.0 * rho)};
    if (z.im < 0.0)
        return {-z.im / (2.0 * rho), -rho};
    return {z.im / (2.0 * rho), rho};
}

namespace {

// Band of |z| in which ln m + k ln 2 loses digits to cancellation.
inline constexpr double kNearOneLow = 0.75;
inline constexpr double kNearOneHigh = 1.4;

// a^2 + b^2 - 1 to about twice the working precision: each square and their sum are
// split exactly into a rounded part and its error; the rounded sum lies in [0.5, 2]
// within the band, so subtracting 1 from it is exact.
double SquaredMagnitudeLessOne(double a, double b) noexcept {
    const double aa = a * a;
    const double aaError = std::fma(a, a, -aa);
    const double bb = b * b;
    const double bbError = std::fma(b, b, -bb);
    const double sum = aa + bb;
    const double sumPartOfBb = sum - aa;
    const double sumError = (aa - (sum - sumPartOfBb)) + (bb - sumPartOfBb);
    return (sum - 1.0) + (sumError + aaError + bbError);
}

inline constexpr double kLog10OfE = 0.4342944819032518; // 1 / ln 10

bool NearOne(const ScaledValue& scaled) noexcept {
    const double magnitude = scaled.mantissa * PowerOfTwo(scaled.exponent);
    return magnitude >= kNearOneLow && magnitude <= kNearOneHigh;
}

double LogNearOne(const Complex& z) noexcept {
    return 0.5 * std::log1p(SquaredMagnitudeLessOne(z.re, z.im));
}

} // namespace

double LogMagnitude(const Complex& z) noexcept {
    const ScaledValue scaled = ScaledMagnitude(z);
    if (scaled.mantissa == 0.0)
        return -std::numeric_limits<double>::infinity();
    if (NearOne(scaled))
        return LogNearOne(z);
    const double k = scaled.exponent;
    return std::log(scaled.mantissa) + k * kLn2Low + k * kLn2High;
}

double DecimalLogMagnitude(const Complex& z) noexcept {
    const ScaledValue scaled = ScaledMagnitude(z);
    if (scaled.mantissa == 0.0)
        return -std::numeric_limits<double>::infinity();
    if (NearOne(scaled))
        return LogNearOne(z) * kLog10OfE;
    const double k = scaled.exponent;
    return std::log10(scaled.mantissa) + k * kLn2Low * kLog10OfE + k * kLn2High * kLog10OfE;
}

Complex Log(const Complex& z) noexcept {
    const double theta = std::atan2(z.im, z.re);
    if (std::isnan(theta))
        return {theta, theta};
    return {LogMagnitude(z), theta};
}

namespace detail {

Complex LogOnePlus(const Complex& u) noexcept {
    const Complex q = WithPositiveZero({1.0 + u.re, u.im});
    // Beyond this the square below could overflow, and 1 + u rounds harmlessly.
    constexpr double kModerate = 0x1p500;
    if (!(std::fabs(u.re) < kModerate && std::fabs(u.im) < kModerate))
        return Log(q);
    return {0.5 * std::log1p(u.re * (u.re + 2.0) + u.im * u.im), std::atan2(q.im, q.re)};
}

} // namespace detail

Complex Reciprocal(const Complex& z) noexcept {
    if (std::fabs(z.im) > std::fabs(z.re)) {
        const double q = z.re / z.im;
        const double d = z.re * q + z.im;
        return {q / d, -1.0 / d};
    }
    const double q = z.im / z.re;
    const double d = z.im * q + z.re;
    return {1.0 / d, -q / d};
}

} // namespace NCalculatorMath
