// Sine, cosine and their hyperbolic twins by the closed formulas, and the two places
// where the elementary kernels raise the runtime's math errors themselves.

#include <cmath>

#include "numeric/detail/elementary_detail.h"
#include "numeric/elementary.h"
#include "numeric/math_error.h"

namespace NCalculatorMath {

namespace detail {

namespace {

// Up to here the library's sinh and cosh are finite and accurate; beyond it e^-|x|
// is negligible and the factor is e^|x| / 2, scaled.
inline constexpr double kDirectHyperbolicLimit = 709.0;
// From 2^26 on the argument keeps fewer than 26 bits after the binary point, so at
// most half the digits of its sine are significant; from 2^53 on neighbouring
// doubles lie two radians apart and none are.
inline constexpr double kPartialLossArgument = 0x1p26;
inline constexpr double kTotalLossArgument = 0x1p53;

} // namespace

double ScaledSinh(double x, double y) noexcept {
    if (y == 0.0)
        return 0.0;
    return std::fabs(x) <= kDirectHyperbolicLimit ? y * std::sinh(x)
                                                  : ExpSplit(std::fabs(x)).Times(x < 0.0 ? -y : y, -1);
}

double ScaledCosh(double x, double y) noexcept {
    if (y == 0.0)
        return 0.0;
    return std::fabs(x) <= kDirectHyperbolicLimit ? y * std::cosh(x) : ExpSplit(std::fabs(x)).Times(y, -1);
}

void CheckAngleArgument(const char* name, double x, double value) noexcept {
    const double size = std::fabs(x);
    if (size < kPartialLossArgument || !std::isfinite(size))
        return;
    RaiseMathError(size >= kTotalLossArgument ? MathErrorType::TotalLoss : MathErrorType::PartialLoss, name,
                   x, 0.0, value);
}

} // namespace detail

using namespace detail;

namespace {

// One overflow report per call, as the runtime's hyperbolic function of the
// argument x would give it, quoting the first part that overflowed.
Complex WithOverflowReported(const char* name, double x, const Complex& value) noexcept {
    const bool reIsInf = std::isinf(value.re);
    if ((reIsInf || std::isinf(value.im)) && std::isfinite(x))
        RaiseMathError(MathErrorType::Overflow, name, x, 0.0, reIsInf ? value.re : value.im);
    return value;
}

} // namespace

Complex Sin(const Complex& z) noexcept {
    const double s = std::sin(z.re);
    const double c = std::cos(z.re);
    CheckAngleArgument("sin", z.re, s);
    return WithOverflowReported("cosh", z.im, {ScaledCosh(z.im, s), ScaledSinh(z.im, c)});
}

Complex Cos(const Complex& z) noexcept {
    const double s = std::sin(z.re);
    const double c = std::cos(z.re);
    CheckAngleArgument("cos", z.re, c);
    return WithOverflowReported("cosh", z.im, {ScaledCosh(z.im, c), -ScaledSinh(z.im, s)});
}

Complex Sh(const Complex& z) noexcept {
    const double s = std::sin(z.im);
    const double c = std::cos(z.im);
    CheckAngleArgument("cos", z.im, c);
    return WithOverflowReported("sinh", z.re, {ScaledSinh(z.re, c), ScaledCosh(z.re, s)});
}

Complex Ch(const Complex& z) noexcept {
    const double s = std::sin(z.im);
    const double c = std::cos(z.im);
    CheckAngleArgument("cos", z.im, c);
    return WithOverflowReported("cosh", z.re, {ScaledCosh(z.re, c), ScaledSinh(z.re, s)});
}

} // namespace NCalculatorMath
