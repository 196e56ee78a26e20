// Lanczos' series, the integer tables and the reduced sine of pi x.

#include <array>
#include <cmath>

#include "numeric/detail/elementary_detail.h"
#include "numeric/detail/lanczos.h"

namespace NCalculatorMath::detail {

namespace {

inline constexpr double kLanczosLeading = 0.9999999999999971; // c0
inline constexpr std::array<double, 14> kLanczosCoefficients = {
    57.15623566586292,       -59.59796035547549,     14.136097974741746,     -0.4919138160976202,   // 1
    3.399464998481189e-05,   4.652362892704858e-05,  -9.837447530487956e-05, 0.0001580887032249125, // 5
    -0.00021026444172410488, 0.00021743961811521265, -0.0001643181065367639, 8.441822398385275e-05, // 9
    -2.6190838401581408e-05, 3.6899182659531625e-06,                                                // 13
};

} // namespace

double LanczosSeries(double q) noexcept {
    double sum = kLanczosLeading;
    for (std::size_t j = 0; j < kLanczosCoefficients.size(); ++j)
        sum += kLanczosCoefficients[j] / (q + static_cast<double>(j + 1));
    return sum;
}

Complex LanczosSeries(const Complex& q) noexcept {
    Complex sum{kLanczosLeading, 0.0};
    const double v = q.im;
    for (std::size_t j = 0; j < kLanczosCoefficients.size(); ++j) {
        const double c = kLanczosCoefficients[j];
        const double r = q.re + static_cast<double>(j + 1);
        // c / (r + iv) by Smith's rule
        if (std::fabs(r) < std::fabs(v)) {
            const double ratio = r / v;
            const double b = r * ratio + v;
            sum.re += ratio * c / b;
            sum.im -= c / b;
        } else {
            const double ratio = v / r;
            const double b = v * ratio + r;
            sum.re += c / b;
            sum.im -= c * ratio / b;
        }
    }
    return sum;
}

PiAngle SinCosPiOfNegative(double u) noexcept {
    const double reduced = u - 2.0 * std::floor(u / 2.0);
    double a = reduced > 1.0 ? reduced - 1.0 : reduced;
    if (a > 0.5)
        a = 1.0 - a;
    const double sine = std::sin(kPi * a);
    double cosine;
    if (reduced > 0.5 && reduced < 1.5)
        cosine = -std::cos(kPi * a);
    else
        cosine = a < 0.5 ? std::cos(kPi * a) : 0.0;
    return {reduced > 1.0 ? sine : -sine, cosine, reduced};
}

double LogGammaFormula(double x) noexcept {
    const double b = x + kLanczosShift;
    return std::log(b) * (x + 0.5) - b + std::log(LanczosSeries(x) * kSqrtTwoPi / x);
}

double GammaOfInteger(int n) noexcept {
    static const std::array<double, kLargestTabulatedGamma + 1> table = [] {
        std::array<double, kLargestTabulatedGamma + 1> t{};
        t[1] = 1.0;
        for (int k = 2; k <= kLargestTabulatedGamma; ++k)
            t[k] = t[k - 1] * (k - 1);
        return t;
    }();
    return table[n];
}

double LogGammaOfInteger(int n) noexcept {
    static const std::array<double, kLargestTabulatedLogGamma + 1> table = [] {
        std::array<double, kLargestTabulatedLogGamma + 1> t{};
        for (int k = 3; k <= kLargestTabulatedLogGamma; ++k)
            t[k] = LogGammaFormula(k);
        return t;
    }();
    return table[n];
}

} // namespace NCalculatorMath::detail
