#pragma once
// Complex helpers of the Bessel machinery, with the branch conventions of the
// published package's own helpers (a zero imaginary part counts as +0).

#include <cmath>

#include "numeric/complex.h"

namespace NCalculatorMath::detail {

inline constexpr double kPi = 3.14159265358979324;
inline constexpr double kHalfPi = 1.57079632679489662;

constexpr Complex operator+(Complex a, Complex b) noexcept {
    return {a.re + b.re, a.im + b.im};
}
constexpr Complex operator-(Complex a, Complex b) noexcept {
    return {a.re - b.re, a.im - b.im};
}
constexpr Complex operator-(Complex a) noexcept {
    return {-a.re, -a.im};
}
constexpr Complex operator*(Complex a, Complex b) noexcept {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
constexpr Complex operator*(double s, Complex a) noexcept {
    return {s * a.re, s * a.im};
}
constexpr Complex operator*(Complex a, double s) noexcept {
    return {a.re * s, a.im * s};
}
constexpr Complex operator/(Complex a, double s) noexcept {
    return {a.re / s, a.im / s};
}
constexpr Complex Conj(Complex a) noexcept {
    return {a.re, -a.im};
}
constexpr bool IsZero(Complex a) noexcept {
    return a.re == 0.0 && a.im == 0.0;
}
// std::fmax and std::fmin (a NaN gives the other argument, equal arguments the second)
// without the library call.
inline double Larger(double a, double b) noexcept {
    return a > b || std::isnan(b) ? a : b;
}
inline double Smaller(double a, double b) noexcept {
    return a < b || std::isnan(b) ? a : b;
}

// The larger of the absolute values of the two parts.
inline double MaxPart(Complex a) noexcept {
    return Larger(std::fabs(a.re), std::fabs(a.im));
}

// abs(a)^2, for termination tests on values far from the overflow limit.
constexpr double Norm(Complex a) noexcept {
    return a.re * a.re + a.im * a.im;
}

// abs(a) without intermediate overflow or underflow, as the published package forms it
// (the larger part times sqrt(1 + q^2)), so that results agree with it to the last bits.
inline double Abs(Complex a) noexcept {
    const double u = std::fabs(a.re);
    const double v = std::fabs(a.im);
    // A zero part leaves the other (q = 0), without the division and the root.
    if (u > v) {
        if (v == 0.0)
            return u;
        const double q = v / u;
        return u * std::sqrt(1.0 + q * q);
    }
    if (u == 0.0)
        return v;
    const double q = u / v;
    return v * std::sqrt(1.0 + q * q);
}

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
    const double ur = z.re * r;
    const double ui = -z.im * r;
    return {(ur + ur) * r, (ui + ui) * r};
}

// (cos t, sin t); a zero t, common on the real axis, gives (1, t) without the library.
inline Complex CosSin(double t) noexcept {
    if (t == 0.0)
        return {1.0, t};
    return {std::cos(t), std::sin(t)};
}

// The same with the cosine exactly 0 where it is 0 in exact arithmetic (zeroCosine).
inline Complex CosSin(double t, bool zeroCosine) noexcept {
    Complex unit = CosSin(t);
    if (zeroCosine)
        unit.re = 0.0;
    return unit;
}

// The argument of a in (-pi, pi] from atan(im / re), as the published package takes it; a
// zero imaginary part counts as +0.
inline double Argument(Complex a) noexcept {
    if (a.re == 0.0)
        return a.im < 0.0 ? -kHalfPi : kHalfPi;
    if (a.im == 0.0)
        return a.re > 0.0 ? 0.0 : kPi;
    const double theta = std::atan(a.im / a.re);
    if (theta <= 0.0)
        return a.re < 0.0 ? theta + kPi : theta;
    return a.re < 0.0 ? theta - kPi : theta;
}

// Principal square root; a negative real argument gives a positive imaginary root.
inline Complex Csqrt(Complex a) noexcept {
    constexpr double halfSqrt2 = 7.071067811865475244008443621e-1;
    const double zm = std::sqrt(Abs(a));
    if (a.re == 0.0) {
        if (a.im == 0.0)
            return {0.0, 0.0};
        return {zm * halfSqrt2, a.im > 0.0 ? zm * halfSqrt2 : -zm * halfSqrt2};
    }
    // On the real axis abs(a) is abs(re) exactly, so zm is the root itself.
    if (a.im == 0.0)
        return a.re > 0.0 ? Complex{zm, 0.0} : Complex{0.0, zm};
    const Complex unit = CosSin(0.5 * Argument(a));
    return {zm * unit.re, zm * unit.im};
}

// Principal logarithm; a negative real argument has imaginary part +pi. Not for a = 0.
inline Complex Clog(Complex a) noexcept {
    if (a.re == 0.0)
        return {std::log(std::fabs(a.im)), a.im < 0.0 ? -kHalfPi : kHalfPi};
    if (a.im == 0.0)
        return {std::log(std::fabs(a.re)), a.re > 0.0 ? 0.0 : kPi};
    return {std::log(Abs(a)), Argument(a)};
}

inline Complex Cexp(Complex a) noexcept {
    const double m = std::exp(a.re);
    const Complex unit = CosSin(a.im);
    return {m * unit.re, m * unit.im};
}

// exp(re) * scale * (cos im, sin im): the scaled exponential of the uniform expansions.
inline Complex ExpTimes(Complex a, double scale) noexcept {
    const double m = std::exp(a.re) * scale;
    const Complex unit = CosSin(a.im);
    return {m * unit.re, m * unit.im};
}

// sinh z and cosh z.
inline void SinhCosh(Complex z, Complex& sinhZ, Complex& coshZ) noexcept {
    const double sh = std::sinh(z.re);
    const double ch = std::cosh(z.re);
    const Complex unit = CosSin(z.im);
    sinhZ = {sh * unit.re, ch * unit.im};
    coshZ = {ch * unit.re, sh * unit.im};
}

// True when y, a value scaled by 1/tol whose magnitude exceeds ascle, would lose its
// phase to underflow once scaled back: its smaller part is at most ascle and the larger
// part is below the smaller divided by tol.
inline bool UnderflowsWhenScaled(Complex y, double ascle, double tol) noexcept {
    const double wr = std::fabs(y.re);
    const double wi = std::fabs(y.im);
    const double smaller = Smaller(wr, wi);
    if (smaller > ascle)
        return false;
    return Larger(wr, wi) < smaller / tol;
}

} // namespace NCalculatorMath::detail
