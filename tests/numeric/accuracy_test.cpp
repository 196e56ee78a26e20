// Every elementary, inverse and Gamma kernel against the mpmath reference vectors,
// with a bound per kernel on the normwise relative error. Each test prints a table
// row: kernel, points, max and median normwise error (units of 2^-53), max and
// median error per part (ulps), and the same for the standard library's
// counterpart on the points off the axes (where signed zeros cannot decide a cut).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <functional>
#include <optional>

#include "numeric/elementary.h"
#include "numeric/gamma.h"
#include "numeric/inverse.h"
#include "tests/numeric/reference_vectors.h"

namespace {

namespace m = NCalculatorMath;
using reference::Point;
using Arguments = std::vector<double>;
using std::complex;

Complex Z(const Arguments& a) {
    return {a[0], a[1]};
}
Complex FromStd(complex<double> c) {
    return {c.real(), c.imag()};
}
complex<double> ToStd(const Arguments& a) {
    return {a[0], a[1]};
}

using Unary = Complex (*)(const Complex&) noexcept;

std::function<Complex(const Arguments&)> Of(Unary kernel) {
    return [kernel](const Arguments& a) { return kernel(Z(a)); };
}

template <class F> std::function<Complex(const Arguments&)> Std(F f) {
    return [f](const Arguments& a) { return FromStd(f(ToStd(a))); };
}

struct Kernel {
    const char* name;
    const char* family;
    std::function<Complex(const Arguments&)> evaluate;
    std::function<Complex(const Arguments&)> counterpart; // may be empty
    long double bound;                                    // on the normwise error, units of 2^-53
};

std::vector<Kernel> Kernels() {
    using C = complex<double>;
    const auto real = [](double (*f)(double) noexcept) {
        return [f](const Arguments& a) { return Complex{f(a[0]), 0.0}; };
    };
    const auto stdReal = [](double (*f)(double)) {
        return [f](const Arguments& a) { return Complex{f(a[0]), 0.0}; };
    };
    // Bounds are about twice the largest error measured, in units of 2^-53.
    return {
        {"Magnitude", "elementary",
         [](const Arguments& a) {
             return Complex{m::Magnitude(Z(a)), 0.0};
         },
         [](const Arguments& a) {
             return Complex{std::abs(ToStd(a)), 0.0};
         },
         2},
        {"Sqrt", "elementary", Of(&m::Sqrt), Std([](C z) { return std::sqrt(z); }), 3},
        {"Log", "elementary", Of(&m::Log), Std([](C z) { return std::log(z); }), 4},
        {"Exp", "elementary", Of(&m::Exp), Std([](C z) { return std::exp(z); }), 4},
        {"Reciprocal", "elementary", Of(&m::Reciprocal), Std([](C z) { return 1.0 / z; }), 3},
        {"Log1p", "elementary", real(&m::Log1p), stdReal([](double x) { return std::log1p(x); }), 8},
        {"ScaledExp",
         "elementary",
         [](const Arguments& a) {
             return Complex{m::ScaledExp(a[0], a[1], static_cast<int>(a[2])), 0.0};
         },
         {},
         3},
        // exp(w log z) in double: the error grows with |w log z|, as for the standard pow
        {"Pow", "elementary",
         [](const Arguments& a) {
             return m::Pow({a[0], a[1]}, {a[2], a[3]});
         },
         [](const Arguments& a) {
             return FromStd(std::pow(C{a[0], a[1]}, C{a[2], a[3]}));
         },
         300},
        {"Tg", "elementary", Of(&m::Tg), Std([](C z) { return std::tan(z); }), 6},
        {"Ctg", "elementary", Of(&m::Ctg), Std([](C z) { return 1.0 / std::tan(z); }), 6},
        {"Th", "elementary", Of(&m::Th), Std([](C z) { return std::tanh(z); }), 6},
        {"Cth", "elementary", Of(&m::Cth), Std([](C z) { return 1.0 / std::tanh(z); }), 6},
        {"Sin", "elementary", Of(&m::Sin), Std([](C z) { return std::sin(z); }), 4},
        {"Cos", "elementary", Of(&m::Cos), Std([](C z) { return std::cos(z); }), 4},
        {"Sh", "elementary", Of(&m::Sh), Std([](C z) { return std::sinh(z); }), 4},
        {"Ch", "elementary", Of(&m::Ch), Std([](C z) { return std::cosh(z); }), 4},
        {"ArcSin", "inverse", Of(&m::ArcSin), Std([](C z) { return std::asin(z); }), 24},
        {"ArcCos", "inverse", Of(&m::ArcCos), Std([](C z) { return std::acos(z); }), 8},
        {"ArcTg", "inverse", Of(&m::ArcTg), Std([](C z) { return std::atan(z); }), 4},
        {"ArcCtg", "inverse", Of(&m::ArcCtg), {}, 8},
        {"ArcCosec", "inverse", Of(&m::ArcCosec), {}, 16},
        {"ArcSec", "inverse", Of(&m::ArcSec), {}, 16},
        {"ArSh", "inverse", Of(&m::ArSh), Std([](C z) { return std::asinh(z); }), 12},
        {"ArCh", "inverse", Of(&m::ArCh), Std([](C z) { return std::acosh(z); }), 8},
        {"ArTh", "inverse", Of(&m::ArTh), Std([](C z) { return std::atanh(z); }), 4},
        {"ArCth", "inverse", Of(&m::ArCth), {}, 8},
        {"ArSch", "inverse", Of(&m::ArSch), {}, 64},
        {"ArCsch", "inverse", Of(&m::ArCsch), {}, 32},
        {"RealGamma", "gamma", real(&m::RealGamma), stdReal([](double x) { return std::tgamma(x); }), 64},
        {"RealLogGamma", "gamma",
         [](const Arguments& a) {
             return Complex{m::RealLogGamma(a[0], true), 0.0};
         },
         stdReal([](double x) { return std::lgamma(x); }), 80},
        // the phase of large arguments is the limit, as for any exp(log) formula
        {"Gamma", "gamma", Of(&m::Gamma), {}, 2500},
        {"LogGamma", "gamma", Of(&m::LogGamma), {}, 64},
    };
}

const std::vector<Point>& PointsOf(const Kernel& kernel) {
    static std::map<std::string, std::map<std::string, std::vector<Point>>> families;
    auto& family = families[kernel.family];
    if (family.empty())
        family = reference::Load(kernel.family);
    return family[kernel.name];
}

struct Statistics {
    std::size_t count = 0;
    long double maxNormwise = 0, medianNormwise = 0, maxParts = 0, medianParts = 0;
    std::size_t worst = 0;
};

Statistics Measure(const std::vector<Point>& points, const std::function<Complex(const Arguments&)>& f,
                   bool offAxesOnly) {
    std::vector<long double> normwise, parts;
    Statistics s;
    long double worstError = -1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& p = points[i];
        if (offAxesOnly &&
            std::any_of(p.arguments.begin(), p.arguments.end(), [](double v) { return v == 0.0; }))
            continue;
        const Complex c = f(p.arguments);
        const long double e = reference::NormwiseError(c, p);
        if (e > worstError) {
            worstError = e;
            s.worst = i;
        }
        normwise.push_back(e);
        parts.push_back(reference::ComponentwiseUlps(c, p));
    }
    s.count = normwise.size();
    if (s.count == 0)
        return s;
    auto median = [](std::vector<long double>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    s.maxNormwise = *std::max_element(normwise.begin(), normwise.end());
    s.maxParts = *std::max_element(parts.begin(), parts.end());
    s.medianNormwise = median(normwise);
    s.medianParts = median(parts);
    return s;
}

std::string Figure(long double v) {
    char text[32];
    std::snprintf(text, sizeof text, v < 100 ? "%.2Lg" : "%.1Le", v);
    return text;
}

class KernelAccuracy : public testing::TestWithParam<Kernel> {};

TEST_P(KernelAccuracy, StaysWithinItsBound) {
    const Kernel& kernel = GetParam();
    const std::vector<Point>& points = PointsOf(kernel);
    ASSERT_FALSE(points.empty()) << "no reference vectors for " << kernel.name;

    const Statistics ours = Measure(points, kernel.evaluate, false);
    std::string row = std::string("| ") + kernel.name + " | " + std::to_string(ours.count) + " | " +
                      Figure(ours.maxNormwise) + " | " + Figure(ours.medianNormwise) + " | " +
                      Figure(ours.maxParts) + " | " + Figure(ours.medianParts) + " |";
    if (kernel.counterpart) {
        const Statistics theirs = Measure(points, kernel.counterpart, true);
        const Statistics oursOffAxes = Measure(points, kernel.evaluate, true);
        row += " " + std::to_string(theirs.count) + " | " + Figure(oursOffAxes.maxNormwise) + " | " +
               Figure(theirs.maxNormwise) + " | " + Figure(theirs.medianNormwise) + " |";
    }
    std::printf("%s\n", row.c_str());

    const Point& worst = points[ours.worst];
    EXPECT_LE(ours.maxNormwise, kernel.bound)
        << kernel.name << " worst at (" << worst.arguments[0] << ", "
        << (worst.arguments.size() > 1 ? worst.arguments[1] : 0.0) << ", ...): expected "
        << static_cast<double>(worst.re) << " + " << static_cast<double>(worst.im) << "i";
}

INSTANTIATE_TEST_SUITE_P(AllKernels, KernelAccuracy, testing::ValuesIn(Kernels()),
                         [](const testing::TestParamInfo<Kernel>& info) {
                             return std::string(info.param.name);
                         });

// An integer power of a real base is the exact power rounded once: exact where that is a
// double, within an ulp elsewhere, in the subnormal range too (squaring added the
// rounding errors of every step, and 1 / a^|n| gave 0 where a^|n| overflowed).
TEST(PowAccuracy, IntegerPowerOfARealBaseIsWithinAnUlp) {
    const auto elementary = reference::Load("elementary");
    std::size_t count = 0;
    for (const Point& p : elementary.at("Pow")) {
        const Arguments& a = p.arguments;
        const double n = a[2];
        if (a[1] != 0.0 || a[3] != 0.0 || n != std::trunc(n) || !(n >= -2147483648.0 && n < 2147483648.0))
            continue;
        ++count;
        const Complex value = m::Pow({a[0], 0.0}, {n, 0.0});
        EXPECT_EQ(value.im, 0.0) << a[0] << " ** " << n;
        const long double exact = p.re;
        if (static_cast<long double>(static_cast<double>(exact)) == exact) {
            EXPECT_EQ(value.re, static_cast<double>(exact)) << a[0] << " ** " << n;
        } else {
            EXPECT_LE(reference::ComponentwiseUlps(value, p), 1.0L)
                << a[0] << " ** " << n << " = " << value.re << ", expected " << static_cast<double>(exact);
        }
    }
    EXPECT_GT(count, 150u);
}

} // namespace
