#!/usr/bin/python3
"""Reference values of J, Y, I and K for tests/data/bessel/reference.txt.

For every point the file holds the value and failure class of python3-scipy (jv, yv,
iv, kv on a complex argument, which run the same published Bessel package as ours) and
the value of mpmath at 30 digits (true accuracy). Run with Debian's python3:

    /usr/bin/python3 scripts/generate_bessel_reference.py

Columns (tab-separated): function, order, Re z, Im z, scipy Re, scipy Im, scipy class,
mpmath Re, mpmath Im ("-" where mpmath did not finish within the time limit). Doubles are
written in shortest round-trip form; mpmath values with 20 digits, possibly beyond the
double range. Classes: ok, underflow, overflow, loss, noresult, domain.
"""

import math
import multiprocessing
import pathlib
import signal
import warnings

import mpmath
import numpy as np
import scipy.special as sp

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests" / "data" / "bessel" / "reference.txt"
MPMATH_DIGITS = 30
MPMATH_SECONDS = 3.0

# Log-polar grid of arguments: magnitudes from 1e-300 to 1e5, angles in every quadrant,
# on both axes and on each side of the switch between the two uniform forms (60 degrees).
MAGNITUDES = [1e-300, 1e-150, 1e-50, 1e-12, 1e-4, 0.05, 0.3, 1.0, 1.7, 2.5, 4.0, 7.0, 11.0, 17.0, 22.0, 30.0,
              45.0, 70.0, 90.0, 130.0, 400.0, 2000.0, 2e4, 1e5]
DEGREES = [0, 25, 59, 61, 90, 120, 155, 180, -25, -61, -90, -135]
# Orders: the special small ones, integers, half-integers, both sides of the switch to the
# uniform expansions (85.92), large, and negative.
ORDERS = [0.0, 1 / 3, 0.5, 2 / 3, 1.0, 1.5, 2.0, 3.7, 7.0, 12.5, 30.0, 60.2, 85.5, 85.92, 86.5, 100.0, 250.5,
          1000.0, 1e4, -1 / 3, -0.5, -1.0, -2.7, -12.5, -100.25]
# Points chosen for the regions of the machinery: series, large-z expansion, Miller with the
# series and with the Wronskian, uniform Debye and Airy-type forms, continuation.
REGION_POINTS = [
    (1.0, 30 + 0j), (1.0, 1.5 + 0j), (0.5, 10 + 0j), (100.0, 30 + 0j), (100.0, 10 + 0j), (100.0, 10 + 50j),
    (100.0, 50 + 10j), (200.0, 1 + 0j), (100.0, 1 + 0j), (5.5, 15 + 3j), (40.0, 45 + 5j), (40.0, 60 - 20j),
    (2.5, -3 + 1j), (0.3, 25 + 3j), (3.7, 15 - 4j), (50.0, 60 + 1j), (90.0, 100 + 0j), (87.0, 20j),
    (1000.0, 1500 + 200j), (7.0, -40 + 30j), (12.3, 1e-3j), (20.0, 1e4 + 1j), (150.0, -120 + 90j),
    (150.0, -90 - 160j), (85.92, 86 + 0j), (86.0, 86j), (0.75, -0.6 - 0.8j), (2.0, -2 + 0j), (0.5, -3 + 0j),
    # ln Gamma of an order just above 1 in the series, where the summation order shows.
    (0.0005544321611523628, 5.538097320822999e-05 + 0j),
    # Half-integer orders through each continuation of K into the left half-plane (Temme's
    # K, the Debye and the Airy-type forms), directly and through the Hankel functions of Y.
    (12.5, -7 - 2j), (100.5, -50 + 10j), (86.5, -40 - 20j), (100.5, -10 + 50j), (250.5, -20 - 90j),
    (2.5, 1 + 3j), (100.5, 10 + 50j), (100.5, 50 + 10j),
    # The statements of the function node tests.
    (0.5, 1 + 2j), (-1.5, 2 + 0j), (-1.5, -2 + 0j), (2.5, 3 + 0j), (-2.0, 1 + 1j), (0.5, -2 + 0j),
]
FUNCTIONS = {
    "J": (sp.jv, mpmath.besselj),
    "Y": (sp.yv, mpmath.bessely),
    "I": (sp.iv, mpmath.besseli),
    "K": (sp.kv, mpmath.besselk),
}
# The class of a scipy call from the package's own warnings, the most severe first. The
# warnings scipy adds from the processor's floating-point flags ("floating point
# underflow" for a harmless subnormal intermediate) say nothing about the result.
CLASSES = [("no result", "noresult"), ("domain", "domain"), ("overflow", "overflow"),
           ("loss of precision", "loss"), ("underflow", "underflow")]


class Timeout(BaseException):
    """Raised by the alarm; not an Exception, so that mpmath cannot swallow it."""


def on_alarm(signum, frame):
    raise Timeout()


def argument(magnitude, degrees):
    exact = {0: complex(magnitude, 0.0), 90: complex(0.0, magnitude), 180: complex(-magnitude, 0.0),
             -90: complex(0.0, -magnitude)}
    if degrees in exact:
        return exact[degrees]
    angle = math.radians(degrees)
    return complex(magnitude * math.cos(angle), magnitude * math.sin(angle))


def points():
    for name in FUNCTIONS:
        for order in ORDERS:
            for magnitude in MAGNITUDES:
                for degrees in DEGREES:
                    yield name, order, argument(magnitude, degrees)
        for order, z in REGION_POINTS:
            yield name, order, z


def scipy_value(name, order, z):
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        with sp.errstate(all="warn"):
            value = complex(FUNCTIONS[name][0](order, np.complex128(z)))
    messages = " ".join(str(w.message) for w in caught if "floating point" not in str(w.message))
    for text, label in CLASSES:
        if text in messages:
            return value, label
    return value, "ok"


def mpmath_value(name, order, z):
    mpmath.mp.dps = MPMATH_DIGITS
    signal.setitimer(signal.ITIMER_REAL, MPMATH_SECONDS)
    try:
        value = FUNCTIONS[name][1](mpmath.mpf(order), mpmath.mpc(z.real, z.imag))
    except Timeout:
        return None
    except Exception:
        return None
    finally:
        signal.setitimer(signal.ITIMER_REAL, 0)
    return value


def mp_text(x):
    return "0" if x == 0 else mpmath.nstr(x, 20, min_fixed=0, max_fixed=0)


def line(point):
    signal.signal(signal.SIGALRM, on_alarm)
    name, order, z = point
    value, label = scipy_value(name, order, z)
    reference = mpmath_value(name, order, z)
    if reference is None:
        exact = ["-", "-"]
    else:
        reference = mpmath.mpc(reference)
        exact = [mp_text(reference.real), mp_text(reference.imag)]
    fields = [name, repr(order), repr(z.real), repr(z.imag), repr(value.real), repr(value.imag), label] + exact
    return "\t".join(fields)


def main():
    with multiprocessing.Pool(2) as pool:
        lines = list(pool.imap(line, points(), chunksize=16))
    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    header = "# " + "\n# ".join(__doc__.strip().splitlines()) + "\n"
    OUTPUT.write_text(header + "\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
