// z^w: exact repeated squaring for 32-bit integer exponents, the real pow for a
// positive real base, the exponential of the logarithm otherwise.

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
    std::uint32_t m = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    if (z.im == 0.0) {
        double result = 1.0;
        double base = z.re;
        while (m > 0) {
            if (m & 1u)
                result *= base;
            m >>= 1;
            base *= base;
        }
        return {n < 0 ? 1.0 / result : result, 0.0};
    }
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
