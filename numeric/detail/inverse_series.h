#pragma once
// The truncated Taylor series of the inverse kernels near the origin.

#include "numeric/complex.h"

namespace NCalculatorMath::detail {

// Below this magnitude the inverse kernels use their series.
inline constexpr double kSeriesSwitch = 0.1;
inline constexpr double kSquaredSeriesSwitch = kSeriesSwitch * kSeriesSwitch;

// arcsin(z) / z = 1 + z^2/6 + 3 z^4/40 + ..., 16 terms in nested form.
Complex ArcSinSeries(const Complex& z) noexcept;
// arctan(z) / z = 1 - z^2/3 + z^4/5 - ..., 16 terms in nested form.
Complex ArcTgSeries(const Complex& z) noexcept;

} // namespace NCalculatorMath::detail
