// Nanoseconds per call of the Bessel kernels J, Y, I, K at a representative point of
// each region of the machinery, side by side with GSL and libstdc++ on real arguments,
// and ours alone on complex arguments.
// Run: build/bin/vantor-bench --benchmark_filter='Bessel/'

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "numeric/bessel.h"

#ifdef VANTOR_HAVE_GSL
#include <gsl/gsl_errno.h>
#include <gsl/gsl_sf_bessel.h>
#endif

namespace {

using NCalculatorMath::BesselStatus;

struct RegionPoint {
    const char* name;
    double nu;
    double x; // real argument; the complex point is x (1 + i) / sqrt 2
};

// One point per region of the machinery. The routine reached depends on the function:
// I and K work on x itself, J and Y on the rotated argument -+ix (docs/numeric-bessel.md).
constexpr RegionPoint kPoints[] = {
    {"nu0.5_x1.5", 0.5, 1.5},     {"nu0.5_x10", 0.5, 10.0}, {"nu2_x5", 2.0, 5.0},
    {"nu1_x30", 1.0, 30.0},       {"nu30_x25", 30.0, 25.0}, {"nu100_x30", 100.0, 30.0},
    {"nu100_x110", 100.0, 110.0},
};

using Kernel = Complex (*)(const Complex&, double, BesselStatus&) noexcept;
using RealFunction = double (*)(double, double);

void Ours(benchmark::State& state, Kernel kernel, double nu, Complex z) {
    BesselStatus status;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kernel(z, nu, status));
        benchmark::ClobberMemory();
    }
}

void Real(benchmark::State& state, RealFunction f, double nu, double x) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(nu, x));
        benchmark::ClobberMemory();
    }
}

struct Family {
    const char* name;
    Kernel ours;
    RealFunction standard;
#ifdef VANTOR_HAVE_GSL
    RealFunction gsl;
#endif
};

double StdJ(double nu, double x) {
    return std::cyl_bessel_j(nu, x);
}
double StdY(double nu, double x) {
    return std::cyl_neumann(nu, x);
}
double StdI(double nu, double x) {
    return std::cyl_bessel_i(nu, x);
}
double StdK(double nu, double x) {
    return std::cyl_bessel_k(nu, x);
}

const Family kFamilies[] = {
#ifdef VANTOR_HAVE_GSL
    {"J", NCalculatorMath::BesselJ, StdJ, gsl_sf_bessel_Jnu},
    {"Y", NCalculatorMath::BesselY, StdY, gsl_sf_bessel_Ynu},
    {"I", NCalculatorMath::BesselI, StdI, gsl_sf_bessel_Inu},
    {"K", NCalculatorMath::BesselK, StdK, gsl_sf_bessel_Knu},
#else
    {"J", NCalculatorMath::BesselJ, StdJ},
    {"Y", NCalculatorMath::BesselY, StdY},
    {"I", NCalculatorMath::BesselI, StdI},
    {"K", NCalculatorMath::BesselK, StdK},
#endif
};

const bool kRegistered = [] {
#ifdef VANTOR_HAVE_GSL
    gsl_set_error_handler_off();
#endif
    for (const Family& family : kFamilies) {
        for (const RegionPoint& p : kPoints) {
            const std::string prefix = std::string("Bessel/") + family.name + "/" + p.name + "/";
            benchmark::RegisterBenchmark((prefix + "ours").c_str(), Ours, family.ours, p.nu,
                                         Complex{p.x, 0.0});
#ifdef VANTOR_HAVE_GSL
            benchmark::RegisterBenchmark((prefix + "gsl").c_str(), Real, family.gsl, p.nu, p.x);
#endif
            benchmark::RegisterBenchmark((prefix + "std").c_str(), Real, family.standard, p.nu, p.x);
            const double c = p.x * std::sqrt(0.5);
            benchmark::RegisterBenchmark((prefix + "ours_complex").c_str(), Ours, family.ours, p.nu,
                                         Complex{c, c});
        }
    }
    return true;
}();

} // namespace
