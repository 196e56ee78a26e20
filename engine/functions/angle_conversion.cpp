#include "engine/functions/angle_conversion.h"

#include "engine/nodes/complex_arithmetic.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

namespace {

constexpr Complex kPi{3.141592653589793, 0.0};

// Degrees or grads in half a turn; 0 for radians, where nothing is converted.
double HalfTurn() noexcept {
    switch (engineState.angleUnit) {
    case AngleUnit::Degrees:
        return 180.0;
    case AngleUnit::Grads:
        return 200.0;
    case AngleUnit::Radians:
        break;
    }
    return 0.0;
}

} // namespace

bool ConvertArgumentToRadians(Complex& z) noexcept {
    const double halfTurn = HalfTurn();
    if (halfTurn == 0.0)
        return engineState.ok;
    return ComplexMultiply(z, kPi, z) && ComplexDivide(z, {halfTurn, 0.0}, z);
}

bool ConvertResultFromRadians(Complex& r) noexcept {
    const double halfTurn = HalfTurn();
    if (halfTurn == 0.0)
        return engineState.ok;
    return ComplexMultiply(r, {halfTurn, 0.0}, r) && ComplexDivide(r, kPi, r);
}

} // namespace NCalculatorText
