// The kernels BesselJ, BesselY, BesselI, BesselK: NaN guard, reflection for negative
// orders, one call of the machinery with N = 1 and no scaling, the status code, and the
// clean-up of results for a real argument.

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/bessel.h"
#include "numeric/bessel/bessel_complex.h"
#include "numeric/bessel/machinery.h"

namespace NCalculatorMath {

using namespace detail;

namespace {

constexpr double kTwoOverPi = 0.6366197723675814;

// The package's (NZ, IERR) as our status: members set to zero make an underflow,
// otherwise IERR is the status.
BesselStatus StatusOf(BesselResult result) noexcept {
    if (result.nz != 0)
        return BesselStatus::Underflow;
    return static_cast<BesselStatus>(result.ierr);
}

bool Fails(BesselStatus status) noexcept {
    return status != BesselStatus::Normal && status != BesselStatus::Underflow;
}

// A NaN in z or the order is an input error with a NaN result; an infinite order is a
// total loss of precision with the result (0, 0), as any order above 2^51.
bool RejectNonFinite(const Complex& z, double nu, Complex& value, BesselStatus& status) noexcept {
    if (std::isnan(z.re) || std::isnan(z.im) || std::isnan(nu)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        value = {nan, nan};
        status = BesselStatus::InputError;
        return true;
    }
    if (std::isinf(nu)) {
        value = {};
        status = BesselStatus::TotalLoss;
        return true;
    }
    return false;
}

double Fraction(double nu) noexcept {
    return nu - std::floor(nu);
}

bool OnPositiveRealAxis(const Complex& z) noexcept {
    return z.im == 0.0 && z.re > 0.0;
}

// For a real argument: on the positive axis the imaginary part is zero; on the negative
// axis J and I of integer order are real and those of half-integer order imaginary.
void CleanRealArgument(const Complex& z, double nu, bool integerOrderIsReal, Complex& value) noexcept {
    if (z.im != 0.0)
        return;
    if (z.re >= 0.0) {
        value.im = 0.0;
        return;
    }
    const double f = Fraction(nu);
    if (f == 0.0 && integerOrderIsReal)
        value.im = 0.0;
    else if (f == 0.5)
        value.re = 0.0;
}

// J, I or K of order nu >= 0 from the machinery.
using Routine = BesselResult (*)(Complex, double, BesselScaling, std::span<Complex>);

Complex Machinery(Routine routine, const Complex& z, double nu, BesselStatus& status) noexcept {
    Complex y[1] = {};
    status = StatusOf(routine(z, nu, BesselScaling::Unscaled, std::span<Complex>(y)));
    return y[0];
}

// The reflection c F(v) -+ s G(v) of J and Y for negative orders: F is the function
// itself, G the other kind, sign the sign of the G term.
Complex ReflectJY(Complex (*self)(const Complex&, double, BesselStatus&),
                  Complex (*other)(const Complex&, double, BesselStatus&), double sign, const Complex& z,
                  double v, BesselStatus& status) noexcept {
    double s, c;
    SinCosPi(v, s, c);
    Complex result{};
    BesselStatus first = BesselStatus::Normal;
    if (c != 0.0) {
        result = c * self(z, v, first);
        if (Fails(first)) {
            status = first;
            return result;
        }
    }
    if (s != 0.0) {
        BesselStatus second;
        result = result + (sign * s) * other(z, v, second);
        if (second != BesselStatus::Normal) {
            status = second;
            return result;
        }
    }
    status = first;
    return result;
}

} // namespace

void SinCosPi(double nu, double& s, double& c) noexcept {
    const double a = std::fabs(nu);
    double sineSign = nu >= 0.0 ? 1.0 : -1.0;
    double cosineSign = 1.0;
    const double k = std::floor(a);
    if (std::fmod(k, 2.0) > 0.0) {
        sineSign = -sineSign;
        cosineSign = -cosineSign;
    }
    double f = a - k;
    if (f > 0.5) {
        cosineSign = -cosineSign;
        f = 1.0 - f;
    }
    s = std::sin(kPi * f) * sineSign;
    c = f == 0.5 ? 0.0 : std::cos(kPi * f) * cosineSign;
}

Complex BesselJ(const Complex& z, double nu, BesselStatus& status) noexcept {
    Complex value{};
    status = BesselStatus::Normal;
    if (RejectNonFinite(z, nu, value, status))
        return value;
    if (nu < 0.0)
        return ReflectJY(BesselJ, BesselY, -1.0, z, -nu, status);
    value = Machinery(ComputeJ, z, nu, status);
    if (status == BesselStatus::Normal)
        CleanRealArgument(z, nu, true, value);
    return value;
}

Complex BesselY(const Complex& z, double nu, BesselStatus& status) noexcept {
    Complex value{};
    status = BesselStatus::Normal;
    if (RejectNonFinite(z, nu, value, status))
        return value;
    if (nu < 0.0)
        return ReflectJY(BesselY, BesselJ, 1.0, z, -nu, status);
    if (IsZero(z)) {
        status = BesselStatus::InputError;
        return value;
    }
    Complex h1[1] = {};
    Complex h2[1] = {};
    const BesselResult first = ComputeH(z, nu, BesselScaling::Unscaled, 1, h1);
    if (first.ierr != 0 && first.ierr != 3) {
        status = StatusOf({0, first.ierr});
        return value;
    }
    BesselResult second = first;
    if (OnPositiveRealAxis(z)) {
        // The machinery treats the rotated arguments -ix and ix alike, so H2 comes out as
        // the exact conjugate of H1, with the same counts.
        h2[0] = Conj(h1[0]);
    } else {
        second = ComputeH(z, nu, BesselScaling::Unscaled, 2, h2);
        if (second.ierr != 0 && second.ierr != 3) {
            status = StatusOf({0, second.ierr});
            return value;
        }
    }
    // Y = (i/2) (H2 - H1).
    const Complex difference = h2[0] - h1[0];
    value = {-0.5 * difference.im, 0.5 * difference.re};
    status = StatusOf({std::min(first.nz, second.nz), second.ierr});
    if (status == BesselStatus::Normal)
        CleanRealArgument(z, nu, false, value);
    return value;
}

Complex BesselI(const Complex& z, double nu, BesselStatus& status) noexcept {
    Complex value{};
    status = BesselStatus::Normal;
    if (RejectNonFinite(z, nu, value, status))
        return value;
    if (nu < 0.0) {
        const double v = -nu;
        value = BesselI(z, v, status);
        if (Fails(status))
            return value;
        double s, c;
        SinCosPi(v, s, c);
        if (s == 0.0)
            return value;
        BesselStatus kStatus;
        value = value + (kTwoOverPi * s) * BesselK(z, v, kStatus);
        if (kStatus != BesselStatus::Normal)
            status = kStatus;
        return value;
    }
    value = Machinery(ComputeI, z, nu, status);
    if (status == BesselStatus::Normal)
        CleanRealArgument(z, nu, true, value);
    return value;
}

Complex BesselK(const Complex& z, double nu, BesselStatus& status) noexcept {
    Complex value{};
    status = BesselStatus::Normal;
    if (RejectNonFinite(z, nu, value, status))
        return value;
    if (nu < 0.0)
        return BesselK(z, -nu, status);
    value = Machinery(ComputeK, z, nu, status);
    if (status == BesselStatus::Normal)
        CleanRealArgument(z, nu, false, value);
    return value;
}

} // namespace NCalculatorMath
