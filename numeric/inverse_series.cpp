// 16 terms: the integer part of 1 - 0.4343 ln(2^-53) reaches double precision for |z| <= 0.1.

#include "numeric/detail/inverse_series.h"

namespace NCalculatorMath::detail {

namespace {
inline constexpr int kLastOddDenominator = 31; // 2 * 16 - 1
}

Complex ArcSinSeries(const Complex& z) noexcept {
    const double u = z.re * z.re - z.im * z.im;
    const double v = 2.0 * z.re * z.im;
    double re = 0.0;
    double im = 0.0;
    for (int b = kLastOddDenominator; b >= 1; b -= 2) {
        const double nextRe = (u * re * b - v * im * b) / (b + 1) + 1.0 / b;
        const double nextIm = (v * re * b + u * im * b) / (b + 1);
        re = nextRe;
        im = nextIm;
    }
    return {re, im};
}

Complex ArcTgSeries(const Complex& z) noexcept {
    const double u = z.re * z.re - z.im * z.im;
    const double v = 2.0 * z.re * z.im;
    double re = 0.0;
    double im = 0.0;
    for (int b = kLastOddDenominator; b >= 1; b -= 2) {
        const double nextRe = 1.0 / b - (u * re - v * im);
        const double nextIm = -(v * re + u * im);
        re = nextRe;
        im = nextIm;
    }
    return {re, im};
}

} // namespace NCalculatorMath::detail
