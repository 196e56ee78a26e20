#pragma once
// The three scaling bands of the Bessel machinery: values near the underflow limit are
// carried times 1/tol, values near the overflow limit times tol, so that intermediate
// arithmetic stays on scale; the bounds say when a value has outgrown its band.

#include <cmath>
#include <limits>

#include "numeric/bessel/bessel_limits.h"

namespace NCalculatorMath::detail {

struct ScaleBands {
    double scale[3];   // CSS: the factor a value of the band is carried with
    double unscale[3]; // CSR: the factor that restores it
    double bound[3];   // BRY: the largest size of a carried value in the band
};

inline ScaleBands MakeScaleBands(const BesselLimits& limits) noexcept {
    const double tol = limits.tol;
    return {{1.0 / tol, 1.0, tol},
            {tol, 1.0, 1.0 / tol},
            {limits.ascle, 1.0 / limits.ascle, std::numeric_limits<double>::max()}};
}

// Tests the exponent of a member of the uniform expansions, e^exponent times multipliers
// whose logarithms sum to refinement() (formed only when needed), against elim: false when it is beyond
// (exponent then holds the value tested, refined if it lay beyond alim). The first member of a run chooses
// the band, 0 near underflow, 2 near overflow, 1 otherwise; later members keep it.
template <class Refinement>
bool SelectBand(double& exponent, Refinement refinement, const BesselLimits& limits, bool first,
                int& band) noexcept {
    if (std::fabs(exponent) > limits.elim)
        return false;
    if (first)
        band = 1;
    if (std::fabs(exponent) < limits.alim)
        return true;
    exponent += refinement();
    if (std::fabs(exponent) > limits.elim)
        return false;
    if (first)
        band = exponent < 0.0 ? 0 : 2;
    return true;
}

} // namespace NCalculatorMath::detail
