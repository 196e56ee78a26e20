#pragma once
// Operation codes: every node that can fail names itself by one of these while it
// evaluates, and the code's display name labels the log message.

#include <string_view>

namespace NCalculatorText {

enum class Operation : int {
    None = 0,
    Number,
    Division,
    Multiplication,
    Addition,
    Subtraction,
    Sine,
    Cosine,
    Tangent,
    Cotangent,
    Secant,
    Cosecant,
    Arcsine,
    Arccosine,
    Arctangent,
    Arccotangent,
    Arcsecant,
    Arccosecant,
    HyperbolicCosine,
    HyperbolicSine,
    HyperbolicTangent,
    HyperbolicCotangent,
    HyperbolicSecant,
    HyperbolicCosecant,
    ArchyperbolicCosine,
    ArchyperbolicSine,
    ArchyperbolicTangent,
    ArchyperbolicCotangent,
    ArchyperbolicSecant,
    ArchyperbolicCosecant,
    NaturalLogarithm,
    DecimalLogarithm,
    Power,
    Exponent,
    Factorial,
    Memory,
    SquareRoot,
    AbsoluteValue,
    GammaFunction,
    Index,
    BesselJ,
    BesselY,
    BesselI,
    BesselK,
    SeriesSum,
    SeriesProduct,
    Vector,
};

inline constexpr int kOperationCount = 47;

// The display name of a code; "Undefined" for any code outside 0 to 46.
std::u16string_view OperationName(int code) noexcept;

inline std::u16string_view OperationName(Operation operation) noexcept {
    return OperationName(static_cast<int>(operation));
}

} // namespace NCalculatorText
