#pragma once
// Complex helpers of the Bessel machinery, with the branch conventions of the
// published package's own helpers (a zero imaginary part counts as +0).

#include <cmath>

#include "numeric/complex.h"

namespace NCalculatorMath::detail {

inline constexpr double kPi = 3.14159265358979324;
inline constexpr double kHalfPi = 1.57079632679489662;

constexpr Complex operator+(Complex a, Complex b) noexcept { return {a.re + b.re, a.im + b.im}; }
constexpr Complex operator-(Complex a, Complex b) noexcept { return {a.re - b.re, a.im - b.im}; }
constexpr Complex operator-(Complex a) noexcept { return {-a.re, -a.im}; }
constexpr Complex operator*(Complex a, Complex b) noexcept {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
constexpr Complex operator*(double s, Complex a) noexcept { return {s * a.re, s * a.im}; }
constexpr Complex operator*(Complex a, double s) noexcept { return {a.re * s, a.im * s}; }
constexpr Complex Conj(Complex a) noexcept { return {a.re, -a.im}; }
constexpr bool IsZero(Complex a) noexcept { return a.re == 0.0 && a.im == 0.0; }
// The larger of the absolute values of the two parts.
inline double MaxPart(Complex a) noexcept { return std::fmax(std::fabs(a.re), std::fabs(a.im)); }

// abs(a) without intermediate overflow or underflow.
inline double Abs(Complex a) noexcept { return std::hypot(a.re, a.im); }

// a / b through the reciprocal of abs(b), as the published package divides.
inline Complex Divide(Complex a, Complex b) noexcept {
    const double scale = 1.0 / Abs(b);
    const double cr = b.re * scale;
    const double ci = b.im * scale;
    return {(a.re * cr + a.im * ci) * scale, (a.im * cr - a.re * ci) * scale};
}

// 2 / z, the recurrence factor of every three-term recurrence, formed as conj(z) / abs(z)^2.
inline Complex TwoOver(Complex z) noexcept {
    const double r = 1.0 / Abs(z);
    return {2.0 * z.re * r * r, -2.0 * z.im * r * r};
}

// Principal square root; a negative real argument gives a positive imaginary root.
inline Complex Csqrt(Complex a) noexcept {
    const double m = Abs(a);
    if (a.re >= 0.0) {
        if (m == 0.0)
            return {0.0, 0.0};
        const double r = std::sqrt(0.5 * (m + a.re));
        return {r, a.im / (2.0 * r)};
    }
    const double r = std::sqrt(0.5 * (m - a.re));
    return {std::fabs(a.im) / (2.0 * r), a.im < 0.0 ? -r : r};
}

// Principal logarithm; a negative real argument has imaginary part +pi. Not for a = 0.
inline Complex Clog(Complex a) noexcept {
    double theta;
    if (a.im == 0.0)
        theta = a.re < 0.0 ? kPi : 0.0;
    else
        theta = std::atan2(a.im, a.re);
    return {std::log(Abs(a)), theta};
}

inline Complex Cexp(Complex a) noexcept {
    const double m = std::exp(a.re);
    return {m * std::cos(a.im), m * std::sin(a.im)};
}

// exp(re) * scale * (cos im, sin im): the scaled exponential of the uniform expansions.
inline Complex ExpTimes(Complex a, double scale) noexcept {
    const double m = std::exp(a.re) * scale;
    return {m * std::cos(a.im), m * std::sin(a.im)};
}

// sinh z and cosh z.
inline void SinhCosh(Complex z, Complex& sinhZ, Complex& coshZ) noexcept {
    const double sh = std::sinh(z.re);
    const double ch = std::cosh(z.re);
    const double sn = std::sin(z.im);
    const double cn = std::cos(z.im);
    sinhZ = {sh * cn, ch * sn};
    coshZ = {ch * cn, sh * sn};
}

// True when y, a value scaled by 1/tol whose magnitude exceeds ascle, would lose its
// phase to underflow once scaled back: its smaller part is at most ascle and the larger
// part is below the smaller divided by tol.
inline bool UnderflowsWhenScaled(Complex y, double ascle, double tol) noexcept {
    const double wr = std::fabs(y.re);
    const double wi = std::fabs(y.im);
    const double smaller = std::fmin(wr, wi);
    if (smaller > ascle)
        return false;
    return std::fmax(wr, wi) < smaller / tol;
}

} // namespace NCalculatorMath::detail
