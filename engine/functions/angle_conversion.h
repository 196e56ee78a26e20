#pragma once
// The user's angle unit applied to the arguments of the trigonometric functions and
// to the results of their inverses, through the reporting complex operations.

#include "numeric/complex.h"

namespace NCalculatorText {

// Degrees or grads to radians: z * pi, then / 180 or / 200. False when either
// operation failed.
bool ConvertArgumentToRadians(Complex& z) noexcept;
// Radians to degrees or grads: r * 180 or * 200, then / pi.
bool ConvertResultFromRadians(Complex& r) noexcept;

} // namespace NCalculatorText
