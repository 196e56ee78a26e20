#include "engine/nodes/complex_arithmetic.h"

#include <cmath>

#include "engine/state/engine_state.h"

namespace NCalculatorText {

namespace {

bool IsFinite(Complex z) noexcept {
    return std::isfinite(z.re) && std::isfinite(z.im);
}

} // namespace

bool ComplexMultiply(Complex a, Complex b, Complex& result) noexcept {
    result = {a.re * b.re - a.im * b.im, a.im * b.re + b.im * a.re};
    if (!IsFinite(result))
        ReportStatus(StatusKind::Overflow);
    else if (result.IsZero() && !a.IsZero() && !b.IsZero())
        ReportStatus(StatusKind::Underflow);
    return engineState.ok;
}

bool ComplexDivide(Complex a, Complex b, Complex& result) noexcept {
    if (b.IsZero()) {
        ReportStatus(StatusKind::Singularity, b);
        return engineState.ok;
    }
    if (std::fabs(b.im) > std::fabs(b.re)) {
        const double r = b.re / b.im;
        const double d = b.re * r + b.im;
        result = {(a.re * r + a.im) / d, (a.im * r - a.re) / d};
    } else {
        const double r = b.im / b.re;
        const double d = b.im * r + b.re;
        result = {(a.im * r + a.re) / d, (a.im - a.re * r) / d};
    }
    if (!IsFinite(result))
        ReportStatus(StatusKind::Overflow);
    else if (result.IsZero() && !a.IsZero())
        ReportStatus(StatusKind::Underflow);
    return engineState.ok;
}

} // namespace NCalculatorText
