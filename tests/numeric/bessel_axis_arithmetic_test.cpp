// The arithmetic for arguments on the axes (numeric/bessel/axis_arithmetic.h): each
// operation must give, part for part, what its complex counterpart gives where the parts
// it skips are zero, or the Bessel routines written once for all argument types would
// stop agreeing with the published package to the bit.

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "numeric/bessel/axis_arithmetic.h"

namespace {

using namespace NCalculatorMath::detail;

// Both signs, awkward mantissas, magnitudes from 1e-150 to 1e150 (products stay finite).
std::vector<double> Samples() {
    std::vector<double> values;
    for (double e = -150.0; e <= 150.0; e += 18.75)
        for (double mantissa : {1.0, 1.2345678901234567, 3.0, 7.1})
            for (double sign : {1.0, -1.0})
                values.push_back(sign * mantissa * std::pow(10.0, e));
    return values;
}

// Counts the operations that differ from their complex counterpart by more than the
// sign of a zero (which the skipped products decide), and names the first.
class Agreement {
  public:
    void Check(double actual, double expected, const char* what, double a, double b) {
        if (actual == expected || (std::isnan(actual) && std::isnan(expected)))
            return;
        if (failures_++ == 0) {
            std::ostringstream text;
            text << std::setprecision(17) << what << " at " << a << ", " << b << ": " << actual << " against "
                 << expected;
            first_ = text.str();
        }
    }
    void Check(Complex actual, Complex expected, const char* what, double a, double b) {
        Check(actual.re, expected.re, what, a, b);
        Check(actual.im, expected.im, what, a, b);
    }
    ~Agreement() { EXPECT_EQ(failures_, 0) << "first: " << first_; }

  private:
    int failures_ = 0;
    std::string first_;
};

TEST(RealAxis, EveryOperationIsTheRealPartOfTheComplexOne) {
    const std::vector<double> samples = Samples();
    Agreement agreement;
    for (double a : samples) {
        const Complex ca{a, 0.0};
        agreement.Check(Abs(a), Abs(ca), "Abs", a, 0.0);
        agreement.Check(MaxPart(a), MaxPart(ca), "MaxPart", a, 0.0);
        agreement.Check(Norm(a), Norm(ca), "Norm", a, 0.0);
        agreement.Check(ToComplex(TwoOver(a)), TwoOver(ca), "TwoOver", a, 0.0);
        if (a > 0.0) {
            agreement.Check(ToComplex(Csqrt(a)), Csqrt(ca), "Csqrt", a, 0.0);
            agreement.Check(ToComplex(Clog(a)), Clog(ca), "Clog", a, 0.0);
        }
        const double small = std::fmod(a, 700.0);
        agreement.Check(ToComplex(Cexp(small)), Cexp({small, 0.0}), "Cexp", small, 0.0);
        double sh, ch;
        Complex csh, cch;
        SinhCosh(small, sh, ch);
        SinhCosh({small, 0.0}, csh, cch);
        agreement.Check(ToComplex(sh), csh, "sinh", small, 0.0);
        agreement.Check(ToComplex(ch), cch, "cosh", small, 0.0);
        for (double b : samples)
            agreement.Check(ToComplex(Divide(a, b)), Divide(ca, Complex{b, 0.0}), "Divide", a, b);
    }
}

TEST(ImaginaryAxis, ProductsQuotientsAndFunctionsMatchTheComplexOnes) {
    const std::vector<double> samples = Samples();
    Agreement agreement;
    for (double c : samples) {
        const Imaginary ic{c};
        const Complex cc{0.0, c};
        agreement.Check(Abs(ic), Abs(cc), "Abs", 0.0, c);
        agreement.Check(ToComplex(TwoOver(ic)), TwoOver(cc), "TwoOver", 0.0, c);
        agreement.Check(Csqrt(ic), Csqrt(cc), "Csqrt", 0.0, c);
        agreement.Check(Clog(ic), Clog(cc), "Clog", 0.0, c);
        const double angle = std::fmod(c, 1e6);
        agreement.Check(Cexp(Imaginary{angle}), Cexp({0.0, angle}), "Cexp", 0.0, angle);
        for (double b : samples) {
            const Complex p{b, 0.75 * b + c};
            agreement.Check(ic * p, cc * p, "Imaginary * Complex", c, b);
            agreement.Check(p * ic, p * cc, "Complex * Imaginary", c, b);
            agreement.Check(Divide(p, ic), Divide(p, cc), "Divide", c, b);
            agreement.Check(ic * Imaginary{b}, (cc * Complex{0.0, b}).re, "Imaginary * Imaginary", c, b);
            agreement.Check(ToComplex(ic + Imaginary{b}), cc + Complex{0.0, b}, "sum", c, b);
        }
    }
}

} // namespace
