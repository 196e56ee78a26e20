#pragma once
// The committed reference vectors of J, Y, I and K (scripts/generate_bessel_reference.py):
// python3-scipy's value and failure class and mpmath's value at 30 digits for each point,
// with one measure of the error against them.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "numeric/bessel.h"

namespace bessel_reference {

struct Point {
    char function; // J, Y, I or K
    double order;
    Complex z;
    Complex scipy;
    std::string scipyClass; // ok, underflow, overflow, loss, noresult, domain
    bool hasExact;
    Complex exact; // mpmath, rounded to double (0 or infinity beyond the range)
};

inline std::vector<Point> Read() {
    std::ifstream in(VANTOR_TEST_DATA_DIR "/bessel/reference.txt");
    std::vector<Point> points;
    std::string line;
    auto number = [](const std::string& text) { return std::strtod(text.c_str(), nullptr); };
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string f, nu, zr, zi, sr, si, label, er, ei;
        fields >> f >> nu >> zr >> zi >> sr >> si >> label >> er >> ei;
        Point p;
        p.function = f[0];
        p.order = number(nu);
        p.z = {number(zr), number(zi)};
        p.scipy = {number(sr), number(si)};
        p.scipyClass = label;
        p.hasExact = er != "-";
        p.exact = p.hasExact ? Complex{number(er), number(ei)} : Complex{};
        points.push_back(p);
    }
    return points;
}

// The point of `function` at exactly this order and argument, or null.
inline const Point* Find(char function, double order, Complex z) {
    static const std::vector<Point> points = Read();
    const auto found = std::find_if(points.begin(), points.end(), [&](const Point& p) {
        return p.function == function && p.order == order && p.z.re == z.re && p.z.im == z.im;
    });
    return found == points.end() ? nullptr : &*found;
}

inline Complex Evaluate(char function, const Complex& z, double order,
                        NCalculatorMath::BesselStatus& status) {
    switch (function) {
    case 'J':
        return NCalculatorMath::BesselJ(z, order, status);
    case 'Y':
        return NCalculatorMath::BesselY(z, order, status);
    case 'I':
        return NCalculatorMath::BesselI(z, order, status);
    default:
        return NCalculatorMath::BesselK(z, order, status);
    }
}

// abs(actual - expected) / abs(expected). NaN against NaN counts as exact and NaN against a
// number as an infinite error; an infinity counts as one step past the largest double; an
// expected 0 is divided by the smallest subnormal.
inline long double RelativeError(Complex actual, Complex expected) {
    const auto part = [](double x) -> long double {
        if (std::isinf(x))
            return std::copysign(static_cast<long double>(std::numeric_limits<double>::max()) *
                                     (1.0L + std::numeric_limits<double>::epsilon()),
                                 x);
        return x;
    };
    const bool actualNaN = std::isnan(actual.re) || std::isnan(actual.im);
    const bool expectedNaN = std::isnan(expected.re) || std::isnan(expected.im);
    if (actualNaN || expectedNaN)
        return actualNaN && expectedNaN ? 0.0L : std::numeric_limits<long double>::infinity();
    const long double dr = part(actual.re) - part(expected.re);
    const long double di = part(actual.im) - part(expected.im);
    const long double size = std::hypot(part(expected.re), part(expected.im));
    return std::hypot(dr, di) /
           std::max(size, static_cast<long double>(std::numeric_limits<double>::denorm_min()));
}

} // namespace bessel_reference
