#!/usr/bin/python3
"""Turns the Bessel benchmark's JSON into the table of docs/numeric-bessel.md.

    build/bin/vantor-bench --benchmark_filter='Bessel/' --benchmark_repetitions=3 \\
        --benchmark_report_aggregates_only=true --benchmark_format=json | scripts/bessel_bench_table.py

One row per function and point (order nu, real argument x): CPU nanoseconds per call (median of the repetitions) of
ours on the real argument, GSL, libstdc++, the ratio of ours to the fastest of the two,
and ours on a complex argument of the same magnitude.
"""

import json
import sys


def main():
    times = {}
    for b in json.load(sys.stdin)["benchmarks"]:
        if b.get("aggregate_name", "median") != "median":
            continue
        _, function, point, library = b["run_name"].split("/")
        times[(function, point, library)] = b["cpu_time"]
    order = [p for _, p, _ in times]
    rows = sorted({(f, p) for f, p, _ in times}, key=lambda k: ("JYIK".index(k[0]), order.index(k[1])))
    print("| function | point | ours | GSL | libstdc++ | ours / fastest | ours, complex z |")
    print("|---|---|---:|---:|---:|---:|---:|")
    for f, r in rows:
        ours, gsl, std = (times.get((f, r, lib)) for lib in ("ours", "gsl", "std"))
        fastest = min(t for t in (gsl, std) if t is not None)
        cells = [f"{t:.0f}" if t is not None else "-" for t in (ours, gsl, std)]
        print(f"| {f} | {r} | " + " | ".join(cells) + f" | {ours / fastest:.1f} | {times[(f, r, 'ours_complex')]:.0f} |")


if __name__ == "__main__":
    main()
