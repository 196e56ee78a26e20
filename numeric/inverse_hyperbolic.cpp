// Inverse hyperbolic functions from the circular kernels, on their principal branches.
//
// The odd ones are computed for the argument folded into the first quadrant, where
// the sign of each part of the principal value is known, and unfolded by
// f(-z) = -f(z), f(conj z) = conj f(z); a zero part counts as +0. That settles the
// cut values the circular kernels would otherwise hand over from their own
// reflection rules (arth(2) from ArcTg(2i) = pi/2 + 0.549i would be 0.549 - pi/2 i).

#include <cmath>

#include "numeric/detail/elementary_detail.h"
#include "numeric/elementary.h"
#include "numeric/inverse.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// q = (|x|, |y|) turned by i: i q = (-|y|, |x|).
Complex TurnedFirstQuadrant(const Complex& z) noexcept {
    return {-std::fabs(z.im), std::fabs(z.re)};
}

// The value for the folded argument carried back to z's quadrant.
Complex Unfolded(const Complex& z, double re, double im) noexcept {
    return {z.re < 0.0 ? -re : re, z.im < 0.0 ? -im : im};
}

} // namespace

Complex ArSh(const Complex& z) noexcept {
    // -i arcsin(i q): both parts non-negative in the first quadrant.
    const Complex a = ArcSin(TurnedFirstQuadrant(z));
    return Unfolded(z, std::fabs(a.im), std::fabs(a.re));
}

Complex ArCh(const Complex& z) noexcept {
    // cosh(+-i arccos z) = z. The principal value has a real part >= 0 and an imaginary
    // part with the sign of Im z (>= 0 on the real axis); reading the signs off z
    // rather than off the parts of arccos z holds also where those underflow.
    const Complex a = ArcCos(z);
    return {std::fabs(a.im), z.im < 0.0 ? -a.re : a.re};
}

Complex ArTh(const Complex& z) noexcept {
    // -i arctan(i q): both parts non-negative in the first quadrant, the imaginary
    // part +pi/2 on the cut beyond 1.
    const Complex a = ArcTg(TurnedFirstQuadrant(z));
    return Unfolded(z, std::fabs(a.im), std::fabs(a.re));
}

Complex ArCth(const Complex& z) noexcept {
    // arcth is odd: the upper half-plane is taken from the lower one, where i z has a
    // non-negative real part and arccot(i z) stays away from pi, so the reduction
    // below never cancels.
    if (z.im > 0.0) {
        const Complex reflected = ArCth({-z.re, -z.im});
        return {-reflected.re, -reflected.im};
    }
    // i arccot(i z) is arcth z or arcth z + pi i; the principal strip is (-pi/2, pi/2].
    const Complex a = ArcCtg({-z.im, z.re});
    Complex result{-a.im, a.re};
    if (result.im > kHalfPi)
        result.im -= kPi;
    return result;
}

Complex ArSch(const Complex& z) noexcept {
    const double x = z.re;
    const double y = z.im;
    Complex root; // sqrt(1 - z^2) with a non-negative real part
    if (std::fabs(x) > 1.0 || std::fabs(y) > Thresholds().sqrtMax)
        root = Multiply(Sqrt({1.0 - x, -y}), Sqrt({1.0 + x, y}));
    else
        root = Sqrt({1.0 - (x * x - y * y), -2.0 * x * y});
    Complex m; // -Log(z), the argument taken as -pi on the closed negative real axis
    if (y == 0.0 && x <= 0.0) {
        m = {-Log({x, 0.0}).re, std::atan2(0.0, x)};
        // On the axis below -1 the limit from below, where 1/z lies on arch's upper
        // side, needs the root of 1 - x^2 < 0 with a negative imaginary part.
        if (x < -1.0)
            root.im = -root.im;
    } else {
        const Complex logarithm = Log(z);
        m = {-logarithm.re, -logarithm.im};
    }
    const Complex tail = LogOnePlus(root);
    return {m.re + tail.re, m.im + tail.im};
}

Complex ArCsch(const Complex& z) noexcept {
    // i arccosec(i q): real part non-negative, imaginary part non-positive in the
    // first quadrant.
    const Complex a = ArcCosec(TurnedFirstQuadrant(z));
    return Unfolded(z, std::fabs(a.im), -std::fabs(a.re));
}

} // namespace NCalculatorMath
