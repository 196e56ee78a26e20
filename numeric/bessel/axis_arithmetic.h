#pragma once
// Arithmetic for arguments on the axes. Routines are written once for the type C of the
// argument and of the quantities formed from it (2/z, the recurrence coefficients):
// - Complex in general;
// - double on the positive real axis, where every value is real;
// - Imaginary on the imaginary axis (J and Y of a real argument reach I and K there),
//   where those quantities are purely imaginary and the values they multiply complex.
// Each operation here gives, part for part, what the complex operation gives at the zero
// parts it skips, so that every instantiation agrees with the complex one to the bit
// (up to the sign of a zero) at a fraction of the work. Clog and Csqrt of a double take
// positive arguments only.

#include <cmath>
#include <type_traits>

#include "numeric/bessel/bessel_complex.h"

namespace NCalculatorMath::detail {

// i * im.
struct Imaginary {
    double im = 0.0;
};

// The type of the values a routine computes from an argument of type C.
template <class C> using ValueType = std::conditional_t<std::is_same_v<C, double>, double, Complex>;

constexpr double RealPart(double a) noexcept {
    return a;
}
constexpr double RealPart(Imaginary) noexcept {
    return 0.0;
}
constexpr double RealPart(Complex a) noexcept {
    return a.re;
}
constexpr double ImagPart(double) noexcept {
    return 0.0;
}
constexpr double ImagPart(Imaginary a) noexcept {
    return a.im;
}
constexpr double ImagPart(Complex a) noexcept {
    return a.im;
}
constexpr Complex ToComplex(double a) noexcept {
    return {a, 0.0};
}
constexpr Complex ToComplex(Imaginary a) noexcept {
    return {0.0, a.im};
}
constexpr Complex ToComplex(Complex a) noexcept {
    return a;
}

// The value of type T with these parts; a double drops the imaginary part, an Imaginary
// the real part.
template <class T> constexpr T FromParts(double re, double im) noexcept {
    if constexpr (std::is_same_v<T, double>)
        return re;
    else if constexpr (std::is_same_v<T, Imaginary>)
        return {im};
    else
        return T{re, im};
}

// a + x, added to the real part only.
constexpr void AddToRealPart(double& a, double x) noexcept {
    a += x;
}
constexpr void AddToRealPart(Complex& a, double x) noexcept {
    a.re += x;
}

// --- Real ------------------------------------------------------------------------------

constexpr double Conj(double a) noexcept {
    return a;
}
constexpr double Norm(double a) noexcept {
    return a * a;
}
constexpr bool IsZero(double a) noexcept {
    return a == 0.0;
}
inline double MaxPart(double a) noexcept {
    return Larger(std::fabs(a), 0.0);
}
inline double Abs(double a) noexcept {
    return std::fabs(a);
}

inline double Divide(double a, double b) noexcept {
    const double scale = 1.0 / Abs(b);
    return (a * (b * scale)) * scale;
}

inline double TwoOver(double z) noexcept {
    const double r = 1.0 / Abs(z);
    const double ur = z * r;
    return (ur + ur) * r;
}

inline double Csqrt(double a) noexcept {
    return std::sqrt(a);
}
inline double Clog(double a) noexcept {
    return std::log(a);
}
inline double Cexp(double a) noexcept {
    return std::exp(a);
}
inline double ExpTimes(double a, double scale) noexcept {
    return std::exp(a) * scale;
}

inline void SinhCosh(double z, double& sinhZ, double& coshZ) noexcept {
    sinhZ = std::sinh(z);
    coshZ = std::cosh(z);
}

// A real value has no phase to lose.
constexpr bool UnderflowsWhenScaled(double, double, double) noexcept {
    return false;
}

// --- Imaginary -------------------------------------------------------------------------

constexpr Imaginary operator+(Imaginary a, Imaginary b) noexcept {
    return {a.im + b.im};
}
constexpr Imaginary operator-(Imaginary a) noexcept {
    return {-a.im};
}
constexpr Imaginary operator*(double s, Imaginary a) noexcept {
    return {s * a.im};
}
constexpr Imaginary operator*(Imaginary a, double s) noexcept {
    return {a.im * s};
}
constexpr double operator*(Imaginary a, Imaginary b) noexcept {
    return -(a.im * b.im);
}
constexpr Complex operator*(Imaginary a, Complex b) noexcept {
    return {-(a.im * b.im), a.im * b.re};
}
constexpr Complex operator*(Complex b, Imaginary a) noexcept {
    return {-(b.im * a.im), b.re * a.im};
}

inline double Abs(Imaginary a) noexcept {
    return std::fabs(a.im);
}

inline Imaginary TwoOver(Imaginary z) noexcept {
    const double r = 1.0 / Abs(z);
    const double ui = -z.im * r;
    return {(ui + ui) * r};
}

// a / b through the reciprocal of abs(b), as the complex Divide.
inline Complex Divide(Complex a, Imaginary b) noexcept {
    const double scale = 1.0 / Abs(b);
    const double ci = b.im * scale;
    return {(a.im * ci) * scale, -(a.re * ci) * scale};
}

inline Complex Csqrt(Imaginary a) noexcept {
    return Csqrt(ToComplex(a));
}
inline Complex Clog(Imaginary a) noexcept {
    return Clog(ToComplex(a));
}
inline Complex Cexp(Imaginary a) noexcept {
    return CosSin(a.im);
}

} // namespace NCalculatorMath::detail
