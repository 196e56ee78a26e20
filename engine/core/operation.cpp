#include "engine/core/operation.h"

#include <array>

namespace NCalculatorText {

namespace {

constexpr std::array<std::u16string_view, kOperationCount> kOperationNames = {
    u"None",
    u"Number",
    u"Division",
    u"Multiplication",
    u"Addition",
    u"Subtraction",
    u"Sine",
    u"Cosine",
    u"Tangent",
    u"Cotangent",
    u"Secant",
    u"Cosecant",
    u"Arcsine",
    u"Arccosine",
    u"Arctangent",
    u"Arccotangent",
    u"Arcsecant",
    u"Arccosecant",
    u"Hyperbolic cosine",
    u"Hyperbolic sine",
    u"Hyperbolic tangent",
    u"Hyperbolic cotangent",
    u"Hyperbolic secant",
    u"Hyperbolic cosecant",
    u"Archyperbolic cosine",
    u"Archyperbolic sine",
    u"Archyperbolic tangent",
    u"Archyperbolic cotangent",
    u"Archyperbolic secant",
    u"Archyperbolic cosecant",
    u"Natural logarithm",
    u"Decimal logarithm",
    u"Power",
    u"Exponent",
    u"Factorial",
    u"Memory",
    u"Square root",
    u"Absolute value",
    u"Gamma function",
    u"Index",
    u"Bessel of the first kind",
    u"Bessel of the second kind",
    u"Modified Bessel of the first kind",
    u"Modified Bessel of the second kind",
    u"Series sum",
    u"Series product",
    u"Vector",
};

} // namespace

std::u16string_view OperationName(int code) noexcept {
    if (code < 0 || code >= kOperationCount)
        return u"Undefined";
    return kOperationNames[static_cast<std::size_t>(code)];
}

} // namespace NCalculatorText
