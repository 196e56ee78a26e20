// Nanoseconds per call of each elementary, inverse and Gamma kernel, side by side
// with the standard library's counterpart on the same arguments.
// Run: build/bin/vantor-bench --benchmark_filter='Kernel/'

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "numeric/elementary.h"
#include "numeric/gamma.h"
#include "numeric/inverse.h"

namespace {

namespace m = NCalculatorMath;
using Std = std::complex<double>;

constexpr std::size_t kArgumentCount = 1024;

// Magnitudes log-uniform in [1e-2, 1e2], arguments uniform in every quadrant.
const std::vector<Complex>& ComplexArguments() {
    static const std::vector<Complex> arguments = [] {
        std::mt19937_64 random(20261209);
        std::uniform_real_distribution<double> decade(-2.0, 2.0), angle(-3.14159, 3.14159);
        std::vector<Complex> values;
        for (std::size_t i = 0; i < kArgumentCount; ++i) {
            const double r = std::pow(10.0, decade(random));
            const double t = angle(random);
            values.push_back({r * std::cos(t), r * std::sin(t)});
        }
        return values;
    }();
    return arguments;
}

const std::vector<double>& RealArguments(double low, double high) {
    static std::vector<double> arguments;
    arguments.clear();
    std::mt19937_64 random(19);
    std::uniform_real_distribution<double> uniform(low, high);
    for (std::size_t i = 0; i < kArgumentCount; ++i)
        arguments.push_back(uniform(random));
    return arguments;
}

template <class F> void OverComplex(benchmark::State& state, F f) {
    const std::vector<Complex>& arguments = ComplexArguments();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(arguments[i]));
        i = (i + 1) % kArgumentCount;
    }
}

template <class F> void OverReal(benchmark::State& state, F f, double low, double high) {
    const std::vector<double> arguments = RealArguments(low, high);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(arguments[i]));
        i = (i + 1) % kArgumentCount;
    }
}

Std AsStd(const Complex& z) {
    return {z.re, z.im};
}

#define KERNEL_PAIR(name, ours, theirs)                                                                      \
    void Kernel_##name##_ours(benchmark::State& state) {                                                     \
        OverComplex(state, [](const Complex& z) { return ours; });                                           \
    }                                                                                                        \
    void Kernel_##name##_std(benchmark::State& state) {                                                      \
        OverComplex(state, [](const Complex& c) {                                                            \
            const Std z = AsStd(c);                                                                          \
            return theirs;                                                                                   \
        });                                                                                                  \
    }                                                                                                        \
    BENCHMARK(Kernel_##name##_ours);                                                                         \
    BENCHMARK(Kernel_##name##_std)

#define KERNEL_ALONE(name, ours)                                                                             \
    void Kernel_##name##_ours(benchmark::State& state) {                                                     \
        OverComplex(state, [](const Complex& z) { return ours; });                                           \
    }                                                                                                        \
    BENCHMARK(Kernel_##name##_ours)

const Complex kExponent{2.5, -0.75};
const Std kStdExponent{2.5, -0.75};

KERNEL_PAIR(Magnitude, m::Magnitude(z), std::abs(z));
KERNEL_PAIR(Sqrt, m::Sqrt(z), std::sqrt(z));
KERNEL_PAIR(Log, m::Log(z), std::log(z));
KERNEL_PAIR(Exp, m::Exp(z), std::exp(z));
KERNEL_PAIR(Pow, m::Pow(z, kExponent), std::pow(z, kStdExponent));
KERNEL_PAIR(Tg, m::Tg(z), std::tan(z));
KERNEL_PAIR(Th, m::Th(z), std::tanh(z));
KERNEL_PAIR(Sin, m::Sin(z), std::sin(z));
KERNEL_PAIR(Cos, m::Cos(z), std::cos(z));
KERNEL_PAIR(ArcSin, m::ArcSin(z), std::asin(z));
KERNEL_PAIR(ArcCos, m::ArcCos(z), std::acos(z));
KERNEL_PAIR(ArcTg, m::ArcTg(z), std::atan(z));
KERNEL_PAIR(ArSh, m::ArSh(z), std::asinh(z));
KERNEL_PAIR(ArCh, m::ArCh(z), std::acosh(z));
KERNEL_PAIR(ArTh, m::ArTh(z), std::atanh(z));
KERNEL_ALONE(Ctg, m::Ctg(z));
KERNEL_ALONE(Cth, m::Cth(z));
KERNEL_ALONE(ArcCtg, m::ArcCtg(z));
KERNEL_ALONE(ArcSec, m::ArcSec(z));
KERNEL_ALONE(ArcCosec, m::ArcCosec(z));
KERNEL_ALONE(ArCth, m::ArCth(z));
KERNEL_ALONE(ArSch, m::ArSch(z));
KERNEL_ALONE(ArCsch, m::ArCsch(z));
KERNEL_ALONE(Gamma, m::Gamma(z));
KERNEL_ALONE(LogGamma, m::LogGamma(z));

void Kernel_RealGamma_ours(benchmark::State& state) {
    OverReal(
        state, [](double x) { return m::RealGamma(x); }, 0.5, 170.0);
}
void Kernel_RealGamma_std(benchmark::State& state) {
    OverReal(
        state, [](double x) { return std::tgamma(x); }, 0.5, 170.0);
}
void Kernel_RealLogGamma_ours(benchmark::State& state) {
    OverReal(
        state, [](double x) { return m::RealLogGamma(x, false); }, 0.5, 300.0);
}
void Kernel_RealLogGamma_std(benchmark::State& state) {
    OverReal(
        state, [](double x) { return std::lgamma(x); }, 0.5, 300.0);
}
BENCHMARK(Kernel_RealGamma_ours);
BENCHMARK(Kernel_RealGamma_std);
BENCHMARK(Kernel_RealLogGamma_ours);
BENCHMARK(Kernel_RealLogGamma_std);

} // namespace
