#!/usr/bin/python3
"""Reference values of the elementary, inverse and Gamma kernels, computed with mpmath
at 50 digits or more from the exact double that each kernel receives: each value is
evaluated at rising precision until two evaluations agree to 30 digits in both parts,
since mpmath's formulas themselves cancel for tiny or huge arguments.

Writes tests/data/numeric/<family>_reference.txt, one point a line:
    kernel  argument...  reference-real  reference-imaginary
Arguments are doubles written with 17 significant digits (they read back exactly);
references carry 22 significant digits. A value on a branch cut is the one-sided
limit that the kernel's own rule selects (see CUT_SIDE), so the test checks the
kernel's documented choice there. Run: /usr/bin/python3 scripts/generate_elementary_vectors.py
"""

import math
import os
import random

import mpmath as mp

mp.mp.dps = 50
OUT = os.path.join(os.path.dirname(__file__), "..", "tests", "data", "numeric")

# Magnitudes that meet every threshold and singular point of the kernels: the series
# switch 0.1, 2^-26, the identity thresholds, 2^53, ln sqrt(DBL_MAX), ln DBL_MAX,
# 2^-537, the Gamma limits 141.7, 171, 329, and 1e-300 / 1e300.
BASE = [0.0, 1e-300, 2.0 ** -537, 1e-20, 2.0 ** -26, 0.05, 0.5, 1.0, 2.0, 10.0,
        709.782712893384, 2.0 ** 53, 1e20, 1e300]


def neighbours(v):
    """v and the doubles just below and above it."""
    return [math.nextafter(v, -math.inf), v, math.nextafter(v, math.inf)]


def signed(values):
    out = []
    for v in values:
        out.append(v)
        if v != 0.0:
            out.append(-v)
    return out


def complex_grid(values, extra_real=()):
    vs = signed(values)
    points = [(a, b) for a in vs for b in vs]
    points += [(a, 0.0) for a in signed(extra_real)] + [(0.0, b) for b in signed(extra_real)]
    return points


def random_points(count, low, high, seed):
    rng = random.Random(seed)
    points = []
    for _ in range(count):
        r = 10.0 ** rng.uniform(low, high)
        t = rng.uniform(-math.pi, math.pi)
        points.append((r * math.cos(t), r * math.sin(t)))
    return points


def near_unit_circle(count, seed):
    rng = random.Random(seed)
    points = []
    for _ in range(count):
        t = rng.uniform(-math.pi, math.pi)
        r = 1.0 + rng.uniform(-1e-7, 1e-7)
        points.append((r * math.cos(t), r * math.sin(t)))
    return points


NEAR_THRESHOLDS = (neighbours(0.1) + neighbours(2.0 ** -26) + neighbours(2.5809568279517847e-8)
                   + neighbours(1.8250120749944284e-8) + [1e-170, 1e-9, 1e-5, 0.9, 1.1, 3.7, 100.0, 1e5] + neighbours(2.0 ** 53) + neighbours(1.0)
                   + neighbours(354.891356446692) + neighbours(709.782712893384) + neighbours(2.0 ** -537))
# Both sides of the cuts: real and imaginary parts of +-1e-6 and +-2^-30 next to the axes.
CUT_OFFSETS = [1e-6, -1e-6, 2.0 ** -30, -(2.0 ** -30)]
CUT_ALONG = [0.3, 0.99, 1.5, 2.0, 30.0, 1e10]


def near_cut_points():
    points = []
    for a in signed(CUT_ALONG):
        for e in CUT_OFFSETS:
            points.append((a, e))
            points.append((e, a))
    return points


def mpc(z):
    return mp.mpc(z[0], z[1])


# How far a point on a cut is moved to one side, relative to its size; the value is
# taken at two distances so that parts which only follow the move can be told apart.
NUDGE = mp.mpf("1e-40")
SMALLER_NUDGE = mp.mpf("1e-45")


def nudged(z, re_side=0, im_side=0, distance=NUDGE):
    """z moved off an axis by a relative distance to the given sides."""
    size = max(abs(z.real), abs(z.imag))
    return mp.mpc(z.real + re_side * size * distance, z.imag + im_side * size * distance)


def on_real_cut(z, outside=1):
    return z.imag == 0 and abs(z.real) > outside


def on_imaginary_cut(z, outside=1):
    return z.real == 0 and abs(z.imag) > outside


# The one-sided limits each kernel takes on its cuts.
def asin_rule(z):  # x > 1 from below, x < -1 from above (odd reflection)
    return nudged(z, im_side=-mp.sign(z.real)) if on_real_cut(z) else z


def atan_rule(z):  # y > 1 from the right, y < -1 from the left
    return nudged(z, re_side=mp.sign(z.imag)) if on_imaginary_cut(z) else z


def upper_on_real_axis(z, outside, below=None):
    if z.imag == 0 and ((below is None and abs(z.real) > outside) or (below is not None and z.real < below)):
        return nudged(z, im_side=1)
    return z


def right_on_imaginary_cut(z):
    return nudged(z, re_side=1) if on_imaginary_cut(z) else z


def atanh_rule(z):
    return upper_on_real_axis(z, 1)


def acosh_rule(z):
    return upper_on_real_axis(z, None, below=1)


def one_sided_limit(function, rule, z):
    """function at z, or its limit from the side the rule picks when z is on a cut: a
    part that shrinks with the distance of the move is the trace of the move, and its
    limit is 0."""
    moved = rule(z)
    if moved == z:
        return function(z)
    far = function(moved)
    near = function(z + (moved - z) * (SMALLER_NUDGE / NUDGE))
    parts = []
    for a, b in ((far.real, near.real), (far.imag, near.imag)):
        follows_move = abs(a - b) > abs(a) / 2
        parts.append(mp.mpf(0) if follows_move else b)
    return mp.mpc(*parts)


def with_rule(function, rule):
    return lambda z: one_sided_limit(function, rule, z)


def reciprocal_then(function, rule):
    return lambda z: one_sided_limit(function, rule, 1 / z)


def sqrt_rule(z):
    return nudged(z, im_side=1) if z.imag == 0 and z.real < 0 else z


def folded_rule(function, shadowed):
    """ArcSin and ArcCos fold z into the right half-plane and decide the side of the
    real axis from the argument of Log(w + sqrt(w^2 - 1)). Where that argument is lost
    to rounding (pi/2 + arg rounds to pi/2 for ArcSin) or underflow (ArcCos), they
    return the value of the real axis: the conjugate of the true value in the first
    quadrant."""
    def evaluate(z):
        flip = z.real < 0
        w = -z if flip else z
        value = with_rule(function, asin_rule)(w)
        if w.imag > 0 and w.real > 0 and shadowed(value):
            value = mp.conj(value)
        if not flip:
            return value
        return -value if function is mp.asin else mp.pi - value
    return evaluate


def asin_shadowed(value):
    return math.pi / 2 + float(mp.pi / 2 - value.real) == math.pi / 2


def acos_shadowed(value):
    return float(value.real) == 0.0


ARC_SIN = folded_rule(mp.asin, asin_shadowed)
ARC_COS = folded_rule(mp.acos, acos_shadowed)


def arsch(z):
    return reciprocal_then(mp.acosh, acosh_rule)(z)


def real_log_gamma(z):
    return mp.log(abs(mp.gamma(z.real))) if z.real > 0 or z.real != mp.floor(z.real) else mp.nan


def stepwise_factorial_table():
    table = [0.0, 1.0]
    for n in range(2, 172):
        table.append(table[-1] * (n - 1))
    return table


FACTORIALS = stepwise_factorial_table()


def gamma_reference(z):
    x = float(z.real)
    if z.imag == 0 and 1 <= x <= 171 and x == int(x):
        return mp.mpc(FACTORIALS[int(x)], 0)  # the step-by-step table
    if z.imag == 0 and x <= 0 and x == int(x):
        return mp.mpc(mp.nan, 0)
    return mp.gamma(z)


def log_gamma(z):
    if z.imag == 0 and z.real < 0:
        return mp.loggamma(nudged(z, im_side=1))
    return mp.loggamma(z)


def fmt(v):
    if mp.isnan(v):
        return "nan"
    if mp.isinf(v):
        return "inf" if v > 0 else "-inf"
    return mp.nstr(v, 22, min_fixed=1, max_fixed=0) if abs(v) >= BELOW_DOUBLES else "0"


def write(family, rows):
    path = os.path.join(OUT, family + "_reference.txt")
    with open(path, "w") as out:
        out.write("# kernel arguments... reference-real reference-imaginary; made by "
                  "scripts/generate_elementary_vectors.py\n")
        for name, args, value in rows:
            value = mp.mpc(value)
            out.write(" ".join([name] + ["%.17g" % a for a in args] + [fmt(value.real), fmt(value.imag)]) + "\n")
    print(path, len(rows))


# Parts smaller than this round to zero as doubles.
BELOW_DOUBLES = mp.mpf("1e-330")


def agrees(a, b):
    for u, v in ((a.real, b.real), (a.imag, b.imag)):
        if mp.isnan(u) and mp.isnan(v):
            continue
        if u == v or (abs(u) < BELOW_DOUBLES and abs(v) < BELOW_DOUBLES):
            continue
        if mp.isinf(u) or mp.isinf(v) or abs(u - v) > abs(v) * mp.mpf("1e-30"):
            return False
    return True


def starting_digits(numbers):
    """50 digits plus the decades that tiny or huge arguments may cancel."""
    decades = [abs(math.log10(abs(v))) for v in numbers if v != 0.0 and math.isfinite(v)]
    return 50 + int(2 * max(decades, default=0))


def stable(function, args, label=None, start=50):
    """function(*args) at rising precision until two evaluations agree."""
    previous = None
    for dps in (start, 2 * start, 4 * start, 8 * start):
        with mp.workdps(dps):
            value = mp.mpc(function(*args))
        if previous is not None and agrees(value, previous):
            return value
        previous = value
    raise ArithmeticError("no stable value for %r: %r" % (label or args, previous))


def complex_rows(name, function, points):
    rows = []
    seen = set()
    for p in points:
        if p in seen:
            continue
        seen.add(p)
        rows.append((name, p, stable(lambda: function(mpc(p)), (), (name, p), starting_digits(p))))
    return rows


def elementary():
    grid = complex_grid(BASE, NEAR_THRESHOLDS) + random_points(150, -6, 6, 1)
    rows = []
    rows += complex_rows("Magnitude", lambda z: abs(z), grid + [(3e300, 4e300), (1e-300, 1e-300)])
    rows += complex_rows("Sqrt", with_rule(mp.sqrt, sqrt_rule), grid)
    rows += complex_rows("Log", with_rule(mp.log, sqrt_rule),
                         [p for p in grid if p != (0.0, 0.0)] + [(2.0 ** 1000, 0.0)] + near_unit_circle(100, 2))
    rows += complex_rows("Reciprocal", lambda z: 1 / z, [p for p in grid if p != (0.0, 0.0)])
    trig_grid = complex_grid([0.0, 1e-300, 1e-20, 1e-9, 0.1, 0.5, 1.0, 1.5707963267948966, 2.0, 3.141592653589793,
                              10.0, 1e5, 2.0 ** 26, 1e10],
                             [0.05, 354.8, 354.891356446692, 355.0, 709.0, 709.782712893384, 710.0, 800.0])
    hyper_parts = [0.0, 1e-300, 2.0 ** -537, 1e-20, 1e-9, 0.1, 0.5, 1.0, 2.0, 20.0, 354.8, 354.891356446692,
                   355.0, 709.0, 709.782712893384, 710.0, 800.0]
    angle_parts = [0.0, 1e-300, 2.0 ** -537, 1e-20, 1e-9, 0.1, 0.5, 1.0, 1.5707963267948966, 3.141592653589793, 10.0, 1e5]
    tan_grid = [(a, b) for a in signed(angle_parts) for b in signed(hyper_parts)] + random_points(200, -4, 2.5, 3)
    swapped = [(b, a) for a, b in tan_grid]
    rows += complex_rows("Exp", mp.exp, [(b, a) for a, b in tan_grid if abs(b) < 1e5])
    rows += complex_rows("Tg", mp.tan, tan_grid)
    rows += complex_rows("Ctg", mp.cot, [p for p in tan_grid if p != (0.0, 0.0)] + [(1e-170, 1e-170)])
    rows += complex_rows("Th", mp.tanh, swapped)
    rows += complex_rows("Cth", mp.coth, [p for p in swapped if p != (0.0, 0.0)])
    for name, f in (("Sin", mp.sin), ("Cos", mp.cos)):
        rows += complex_rows(name, f, [p for p in tan_grid if abs(p[1]) < 710])
    for name, f in (("Sh", mp.sinh), ("Ch", mp.cosh)):
        rows += complex_rows(name, f, [p for p in swapped if abs(p[0]) < 710])
    del trig_grid

    log1p_points = signed([1e-300, 1e-17, 1e-9, 1e-5, 0.001, 0.01, 0.05, 0.0999, 0.1, 0.5]) + [3.0, 1e10, 1e300] + \
        [v for v in neighbours(0.1) + neighbours(-0.1)] + [random.Random(4).uniform(-0.1, 0.1) for _ in range(300)]
    rows += [("Log1p", (x,), stable(lambda: mp.log1p(mp.mpf(x)), (), x, starting_digits([x]))) for x in log1p_points]
    scaled = []
    for x in [-800.0, -745.0, -708.0, -1.0, 0.0, 0.5, 1.0, 300.0, 709.0, 709.782712893384, 709.79, 710.0, 745.0, 800.0]:
        for y in [1e-300, 1e-10, -0.5, 1.0, 3.0, 1e300]:
            for k in [-1, 0, 1]:
                scaled.append(("ScaledExp", (x, y, float(k)), mp.mpf(y) * mp.exp(x) * mp.mpf(2) ** k))
    rows += scaled

    pow_rows = []
    bases = [(2.0, 0.0), (-8.0, 0.0), (0.5, 0.0), (0.0, 1.0), (1.5, -2.0), (-3.0, 0.5), (1e-5, 1e3), (10.0, 0.0), (-4.0, 0.0),
             (1.0000001, 0.0), (0.999, 0.001)]
    exponents = [(0.0, 0.0), (1.0, 0.0), (2.0, 0.0), (10.0, 0.0), (-1.0, 0.0), (-7.0, 0.0), (0.5, 0.0), (-0.5, 0.0),
                 (1 / 3, 0.0), (2.5, 0.0), (100.0, 0.0), (0.0, 1.0), (2.0, -1.5), (-0.3, 0.2)]
    for b in bases:
        for e in exponents:
            pow_rows.append(("Pow", b + e, mp.power(mpc(b), mpc(e)) if not (e[1] == 0 and e[0] == int(e[0]))
                             else mpc(b) ** int(e[0])))
    rng = random.Random(5)
    for _ in range(300):
        b = random_points(1, -3, 3, rng.random())[0]
        e = (rng.uniform(-20, 20), rng.choice([0.0, rng.uniform(-5, 5)]))
        value = mpc(b) ** int(e[0]) if e[1] == 0 and e[0] == int(e[0]) else mp.power(mpc(b), mpc(e))
        pow_rows.append(("Pow", b + e, value))
    # Integer powers of a real base: bases near 1 (where squaring would add up rounding
    # errors), huge and tiny exponents, results in the subnormal range and beyond it.
    integer_powers = [(1.0000001, 1e7), (0.9999999, 1e7), (1.0000001, -1e7), (1.0 + 2.0 ** -52, 2.0 ** 31 - 1),
                      (1.0 - 2.0 ** -53, -(2.0 ** 31)), (1.001, 7e5), (2.0, -1074), (2.0, -1060), (2.0, -1075),
                      (10.0, -309), (10.0, -320), (10.0, 308), (10.0, -308), (2.0, 1023), (2.0, 1024), (0.5, 1074),
                      (0.5, -1023), (3.0, -678), (-3.0, -677), (-2.0, -1073), (-10.0, -315), (1.5, -1800),
                      (7.0, 364), (-7.0, 365), (-2.0, 1025), (0.1, 323), (-0.1, 309), (1e-5, 64), (1e5, -64)]
    rng = random.Random(10)
    for _ in range(40):
        base = 1.0 + rng.choice([-1.0, 1.0]) * 10.0 ** rng.uniform(-9, -3)
        integer_powers.append((base, float(rng.choice([-1, 1]) * int(10.0 ** rng.uniform(3, 9)))))
    for _ in range(40):
        base = rng.choice([-1.0, 1.0]) * 10.0 ** (rng.choice([-1, 1]) * rng.uniform(0.1, 3))
        integer_powers.append((base, float(math.floor(rng.uniform(-1074, -1022) / math.log2(abs(base))))))
    pow_rows += [("Pow", (b, 0.0, float(n), 0.0), mpc((b, 0.0)) ** int(n)) for b, n in integer_powers]
    rows += pow_rows
    write("elementary", rows)


def inverse():
    grid = complex_grid(BASE, NEAR_THRESHOLDS) + near_cut_points() + random_points(150, -6, 6, 6)
    nonzero = [p for p in grid if p != (0.0, 0.0)]
    kernels = [
        ("ArcSin", ARC_SIN, grid),
        ("ArcCos", ARC_COS, grid),
        ("ArcTg", with_rule(mp.atan, atan_rule), [p for p in grid if p not in ((0.0, 1.0), (0.0, -1.0))]),
        ("ArcCtg", with_rule(lambda z: mp.pi / 2 - mp.atan(z), atan_rule), [p for p in grid if p not in ((0.0, 1.0), (0.0, -1.0))]),
        ("ArcCosec", lambda z: ARC_SIN(1 / z) if abs(z) >= 1 else reciprocal_then(mp.asin, asin_rule)(z), nonzero),
        ("ArcSec", lambda z: ARC_COS(1 / z) if abs(z) >= 1 else reciprocal_then(mp.acos, asin_rule)(z), nonzero),
        ("ArSh", with_rule(mp.asinh, right_on_imaginary_cut), grid),
        ("ArCh", with_rule(mp.acosh, acosh_rule), grid),
        ("ArTh", with_rule(mp.atanh, atanh_rule), [p for p in grid if p not in ((1.0, 0.0), (-1.0, 0.0))]),
        ("ArCth", reciprocal_then(mp.atanh, atanh_rule), [p for p in nonzero if p not in ((1.0, 0.0), (-1.0, 0.0))]),
        ("ArSch", arsch, nonzero),
        ("ArCsch", reciprocal_then(mp.asinh, right_on_imaginary_cut), nonzero),
    ]
    rows = []
    for name, f, points in kernels:
        rows += complex_rows(name, f, points)
    write("inverse", rows)


def gamma():
    reals = ([0.5, 1.0, 1.5, 2.0, 3.0, 5.0, 10.5, 20.0, 100.5, 141.7, 141.7334, 141.8, 150.5, 170.0, 170.5, 171.0,
              171.5, 171.6, 1e-300, 1e-9, 0.1]
             + [n + d for n in (0.0, 1.0, 2.0) for d in (1e-9, -1e-9) if n + d > 0]
             + [random.Random(7).uniform(0, 171.6) for _ in range(200)])
    negatives = ([-0.5, -1.5, -2.5, -10.3, -100.5, -170.5, -175.25, -1e-9, -1.0 + 1e-9, -3.0 - 1e-9]
                 + [-random.Random(8).uniform(0, 170) for _ in range(150)])
    rows = [("RealGamma", (x,), gamma_reference(mp.mpc(x, 0)).real) for x in reals + negatives]
    integers = [1.0, 2.0, 3.0, 10.0, 100.0, 171.0, 172.0, 200.0, 329.0, 330.0, 1000.0]
    log_reals = reals + integers + [1e5, 1e10, 1e300]
    rows += [("RealLogGamma", (x,), real_log_gamma(mp.mpc(x, 0))) for x in log_reals + negatives]

    complex_points = ([(x, y) for x in signed([0.5, 1.0, 3.7, 20.0, 141.7, 171.5]) + [0.0]
                       for y in signed([1e-9, 0.2, 1.0, 5.0, 28.0, 100.0])]
                      + [(x, 0.0) for x in [0.5, 2.0, 10.5, 150.5, -0.5, -1.5, -100.5]]
                      + random_points(200, -1, 2, 9))
    rows += complex_rows("Gamma", gamma_reference, complex_points)
    log_points = complex_points + [(x, y) for x in [500.0, -500.5, 1e5] for y in [0.0, 1.0, -1e3]]
    rows += complex_rows("LogGamma", log_gamma, log_points)
    write("gamma", rows)


if __name__ == "__main__":
    elementary()
    inverse()
    gamma()
