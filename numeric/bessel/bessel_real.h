#pragma once
// Real counterparts of the complex helpers (bessel_complex.h), for routines written once
// for a value type T that is Complex in general and double when the argument is real.
// On the real axis every value of those routines has a zero imaginary part, and each
// helper here gives the real part of its complex counterpart there, operation for
// operation, so that both instantiations agree to the bit at a quarter of the work.
// Clog and Csqrt take positive arguments only.

#include <cmath>
#include <type_traits>

#include "numeric/bessel/bessel_complex.h"

namespace NCalculatorMath::detail {

constexpr double RealPart(double a) noexcept { return a; }
constexpr double RealPart(Complex a) noexcept { return a.re; }
constexpr double ImagPart(double) noexcept { return 0.0; }
constexpr double ImagPart(Complex a) noexcept { return a.im; }
constexpr Complex ToComplex(double a) noexcept { return {a, 0.0}; }
constexpr Complex ToComplex(Complex a) noexcept { return a; }

// The value of type T with these parts; a double drops the imaginary part.
template <class T>
constexpr T FromParts(double re, double im) noexcept {
    if constexpr (std::is_same_v<T, double>)
        return re;
    else
        return T{re, im};
}

// a + x, added to the real part only.
constexpr void AddToRealPart(double& a, double x) noexcept { a += x; }
constexpr void AddToRealPart(Complex& a, double x) noexcept { a.re += x; }

constexpr double Conj(double a) noexcept { return a; }
constexpr double Norm(double a) noexcept { return a * a; }
constexpr bool IsZero(double a) noexcept { return a == 0.0; }
inline double MaxPart(double a) noexcept { return Larger(std::fabs(a), 0.0); }
inline double Abs(double a) noexcept { return std::fabs(a); }

inline double Divide(double a, double b) noexcept {
    const double scale = 1.0 / Abs(b);
    return (a * (b * scale)) * scale;
}

inline double TwoOver(double z) noexcept {
    const double r = 1.0 / Abs(z);
    const double ur = z * r;
    return (ur + ur) * r;
}

inline double Csqrt(double a) noexcept { return std::sqrt(a); }
inline double Clog(double a) noexcept { return std::log(a); }
inline double Cexp(double a) noexcept { return std::exp(a); }
inline double ExpTimes(double a, double scale) noexcept { return std::exp(a) * scale; }

inline void SinhCosh(double z, double& sinhZ, double& coshZ) noexcept {
    sinhZ = std::sinh(z);
    coshZ = std::cosh(z);
}

// A real value has no phase to lose.
constexpr bool UnderflowsWhenScaled(double, double, double) noexcept { return false; }

} // namespace NCalculatorMath::detail
