#!/usr/bin/env python3
"""Writes conductor_strips.csv: the copper strip sizes of the L.V. winding with their areas."""

import csv
import math
import pathlib

# Preferred-number series R40 between 0.80 and 16.0 mm.
THICKNESSES = [0.80, 0.85, 0.90, 0.95, 1.00, 1.06, 1.12, 1.18, 1.25, 1.32, 1.40, 1.50, 1.60,
               1.70, 1.80, 1.90, 2.00, 2.12, 2.24, 2.36, 2.50, 2.65, 2.80, 3.00, 3.15, 3.35,
               3.55, 3.75, 4.00, 4.25, 4.50, 4.75, 5.00, 5.30, 5.60]
WIDTHS = [2.00, 2.12, 2.24, 2.36, 2.50, 2.65, 2.80, 3.00, 3.15, 3.35, 3.55, 3.75, 4.00, 4.25,
          4.50, 4.75, 5.00, 5.30, 5.60, 6.00, 6.30, 6.70, 7.10, 7.50, 8.00, 8.50, 9.00, 9.50,
          10.0, 10.6, 11.2, 11.8, 12.5, 13.2, 14.0, 15.0, 16.0]
MAX_WIDTH_TO_THICKNESS = 8


def corner_radius(thickness):
    """Rounding radius of the strip's corners, mm."""
    for limit, radius in ((1.00, 0.5), (1.60, 0.65), (2.24, 0.80)):
        if thickness <= limit:
            return radius
    return 1.00


def area(thickness, width):
    """Cross-section of a strip with rounded corners, mm², rounded half to even at 2 decimals."""
    exact = thickness * width - (4 - math.pi) * corner_radius(thickness) ** 2
    return round(exact * 100) / 100


def main():
    rows = sorted(((area(t, w), t, w) for t in THICKNESSES for w in WIDTHS
                   if t < w <= MAX_WIDTH_TO_THICKNESS * t))
    target = pathlib.Path(__file__).with_name("conductor_strips.csv")
    with target.open("w", newline="") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(["Apprx CrossSectnl Area", "Thickness", "Width"])
        writer.writerows((f"{a:.2f}", f"{t:.2f}", f"{w:.2f}") for a, t, w in rows)


if __name__ == "__main__":
    main()
