#!/usr/bin/python3
"""Turns the Bessel benchmark's JSON into the table of docs/numeric-bessel.md.

    build/bin/vantor-bench --benchmark_filter='Bessel/' --benchmark_repetitions=3 \\
        --benchmark_report_aggregates_only=true --benchmark_format=json | scripts/bessel_bench_table.py

One row per function and point (order nu, real argument x, written "nu 0.5, x 1.5"): CPU
nanoseconds per call (median of the repetitions) of ours on the real argument, GSL,
libstdc++, the ratio of ours to the faster of the two, and ours on a complex argument of
the same magnitude; the headers and columns of the Speed table in docs/numeric-bessel.md.
"""

import json
import sys


def point_label(name):
    """The benchmark's point name nu0.5_x1.5 as the table writes it: nu 0.5, x 1.5."""
    order, argument = name.split("_")
    return f"nu {order[2:]}, x {argument[1:]}"


def main():
    times = {}
    for b in json.load(sys.stdin)["benchmarks"]:
        if b.get("aggregate_name", "median") != "median":
            continue
        _, function, point, library = b["run_name"].split("/")
        times[(function, point, library)] = b["cpu_time"]
    order = [p for _, p, _ in times]
    rows = sorted({(f, p) for f, p, _ in times}, key=lambda k: ("JYIK".index(k[0]), order.index(k[1])))
    print("| Function | Point | Ours | GSL | libstdc++ | Ours / fastest | Ours, complex z |")
    print("|---|---|---:|---:|---:|---:|---:|")
    for f, r in rows:
        ours, gsl, std = (times.get((f, r, lib)) for lib in ("ours", "gsl", "std"))
        fastest = min(t for t in (gsl, std) if t is not None)
        cells = [f"{t:.0f}" if t is not None else "-" for t in (ours, gsl, std)]
        print(f"| {f} | {point_label(r)} | " + " | ".join(cells)
              + f" | {ours / fastest:.1f} | {times[(f, r, 'ours_complex')]:.0f} |")


if __name__ == "__main__":
    main()
