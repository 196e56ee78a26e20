// z^w: the real pow for a real base to a 32-bit integer exponent and for a positive real
// base, repeated squaring for a complex base to such an exponent, the exponential of the
// logarithm otherwise.

#include <cmath>
#include <cstdint>

#include "numeric/detail/elementary_detail.h"
#include "numeric/elementary.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

// The exponent as a 32-bit integer when it is one.
bool AsInt32(double p, std::int32_t& n) noexcept {
    if (!(p >= -2147483648.0 && p < 2147483648.0))
        return false;
    n = static_cast<std::int32_t>(p);
    return n == p;
}

Complex IntegerPower(const Complex& z, std::int32_t n) noexcept {
    // A real base takes the real pow, exact where the power is a double and within an ulp
    // elsewhere: the rounding errors of repeated squaring add up, and its 1 / a^|n| is 0
    // where a^|n| overflows although a^n is representable.
    if (z.im == 0.0)
        return {std::pow(z.re, n), 0.0};
    std::uint32_t m = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    Complex result{1.0, 0.0};
    Complex base = z;
    while (m > 0) {
        if (m & 1u)
            result = Multiply(result, base);
        m >>= 1;
        base = {base.re * base.re - base.im * base.im, 2.0 * base.re * base.im};
    }
    return n < 0 ? Reciprocal(result) : result;
}

// e^(p L) for a real p: scaled part by part, so that 0^p = e^(-inf) stays 0.
Complex ExpOfScaled(double p, const Complex& logarithm) noexcept {
    return Exp({p * logarithm.re, p * logarithm.im});
}

} // namespace

Complex Pow(const Complex& z, const Complex& w) noexcept {
    if (w.im == 0.0) {
        const double p = w.re;
        std::int32_t n;
        if (AsInt32(p, n))
            return IntegerPower(z, n);
        if (z.im == 0.0 && z.re > 0.0) {
            if (p == 0.5)
                return {std::sqrt(z.re), 0.0};
            if (p == -0.5)
                return {1.0 / std::sqrt(z.re), 0.0};
            return {std::pow(z.re, p), 0.0};
        }
        if (p == 0.5)
            return Sqrt(z);
        if (p == -0.5)
            return Reciprocal(Sqrt(z));
        return ExpOfScaled(p, Log(WithPositiveZero(z)));
    }
    const Complex logarithm =
        z.im == 0.0 && z.re > 0.0 ? Complex{std::log(z.re), 0.0} : Log(WithPositiveZero(z));
    return Exp(Multiply(w, logarithm));
}

} // namespace NCalculatorMath
