#pragma once
// Reads the reference vectors that scripts/generate_elementary_vectors.py makes with
// mpmath, and measures a kernel's error against them.

#include <cmath>
#include <complex>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "numeric/complex.h"

namespace reference {

struct Point {
    std::vector<double> arguments;
    long double re; // the reference, to about 22 digits
    long double im;
};

// A reference beyond the largest double is the infinity a kernel must return.
inline long double AsDoubleRange(long double v) {
    return std::isinf(static_cast<double>(v)) ? static_cast<long double>(static_cast<double>(v)) : v;
}

// Kernel name -> points, from one family file under tests/data/numeric.
inline std::map<std::string, std::vector<Point>> Load(const std::string& family) {
    std::map<std::string, std::vector<Point>> points;
    std::ifstream in(std::string(VANTOR_TEST_DATA_DIR) + "/numeric/" + family + "_reference.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name;
        fields >> name;
        std::vector<std::string> words;
        for (std::string word; fields >> word;)
            words.push_back(word);
        if (words.size() < 3)
            continue;
        Point point;
        for (std::size_t i = 0; i + 2 < words.size(); ++i)
            point.arguments.push_back(std::strtod(words[i].c_str(), nullptr));
        point.re = AsDoubleRange(std::strtold(words[words.size() - 2].c_str(), nullptr));
        point.im = AsDoubleRange(std::strtold(words.back().c_str(), nullptr));
        points[name].push_back(point);
    }
    return points;
}

inline constexpr long double kUnitRoundoff = 0x1p-53L;

inline bool Same(long double computed, long double expected) {
    return (std::isnan(computed) && std::isnan(expected)) || computed == expected;
}

// |computed - reference| / |reference| in units of 2^-53, with |reference| taken as
// at least the smallest normal double (below it doubles have fewer digits); 0 where
// both agree exactly (infinities and NaNs included), infinite where only one is finite.
inline long double NormwiseError(const Complex& computed, const Point& expected) {
    if (Same(computed.re, expected.re) && Same(computed.im, expected.im))
        return 0.0L;
    const long double dre = Same(computed.re, expected.re) ? 0.0L : computed.re - expected.re;
    const long double dim = Same(computed.im, expected.im) ? 0.0L : computed.im - expected.im;
    const long double size = std::fmax(std::hypot(expected.re, expected.im), 0x1p-1022L);
    if (!std::isfinite(dre) || !std::isfinite(dim))
        return HUGE_VALL;
    return std::hypot(dre, dim) / size / kUnitRoundoff;
}

// The spacing of doubles at |x| (the subnormal spacing below the normal range).
inline long double UlpAt(long double x) {
    const double nearest = static_cast<double>(std::fabs(x));
    if (nearest < 0x1p-1022)
        return 0x1p-1074L;
    int exponent;
    std::frexp(nearest, &exponent);
    return std::ldexp(1.0L, exponent - 53);
}

// The larger of the two parts' errors in units in the last place of the reference part.
inline long double ComponentwiseUlps(const Complex& computed, const Point& expected) {
    long double worst = 0.0L;
    const long double parts[2][2] = {{computed.re, expected.re}, {computed.im, expected.im}};
    for (const auto& part : parts) {
        if (Same(part[0], part[1]))
            continue;
        const long double difference = std::fabs(part[0] - part[1]);
        worst = std::fmax(worst, std::isfinite(difference) ? difference / UlpAt(part[1]) : HUGE_VALL);
    }
    return worst;
}

} // namespace reference
