#include "engine/functions/component_nodes.h"

#include <cmath>

namespace NCalculatorText {

bool EvaluateComponentFunction(CNode& node, const ComponentFunction& function, Complex& result) {
    Complex z;
    if (!EvaluateChild(node, 0, z))
        return false;
    result = function.apply(z);
    return true;
}

Complex FloorParts(const Complex& z) noexcept {
    return {std::floor(z.re), std::floor(z.im)};
}

Complex CeilParts(const Complex& z) noexcept {
    return {std::ceil(z.re), std::ceil(z.im)};
}

Complex RealPart(const Complex& z) noexcept {
    return {z.re, 0.0};
}

Complex ImaginaryPart(const Complex& z) noexcept {
    return {z.im, 0.0};
}

Complex ArgumentOf(const Complex& z) noexcept {
    return {std::atan2(z.im == 0.0 ? 0.0 : z.im, z.re), 0.0};
}

Complex Conjugate(const Complex& z) noexcept {
    return {z.re, -z.im};
}

} // namespace NCalculatorText
