#!/usr/bin/env python3
"""Expected GDA94 coordinates for the shipped ITRF2005/2008/2014 parameter sets.

Computed here, independently of the programs, from the published parameters
(EPSG 6277, 6276, 9682) in their published units, with the published formula
of the time-dependent similarity transformation in the coordinate-frame
rotation convention:

    P(t) = P(t0) + dP/dt * (t - t0)                       for each parameter
    X_GDA94 = T + (1 + s) * R * X_ITRF

        | 1    rz  -ry |
    R = | -rz  1    rx |      (rx, ry, rz in radians, s dimensionless)
        | ry  -rx   1  |

Run without arguments: first checks the convention against the published
worked example of the built-in ITRF2000 set (epoch 2002.0), then prints the
table rows that tests/engine/shipped_sets_test.cpp holds.
"""

import math

MAS = math.pi / (180.0 * 3600.0 * 1000.0)  # radians per milliarcsecond

# name: (EPSG code, reference epoch, t (mm), r (mas), s (ppb),
#        dt (mm/yr), dr (mas/yr), ds (ppb/yr))
PUBLISHED = {
    "ITRF2014": (9682, 2020.0, (-61.55, 10.87, 40.19), (39.4924, 32.7221, 32.8979), 9.994,
                 (0.0, 0.0, 0.0), (1.50379, 1.18346, 1.20716), 0.0),
    "ITRF2008": (6276, 1994.0, (-84.68, -19.42, 32.01), (-0.4254, 2.2578, 2.4015), 9.71,
                 (1.42, 1.34, 0.90), (1.5461, 1.1820, 1.1551), 0.109),
    "ITRF2005": (6277, 1994.0, (-79.73, -6.86, 38.03), (-0.0351, 2.1211, 2.1411), 6.636,
                 (2.25, -0.62, -0.56), (1.4707, 1.1443, 1.1701), 0.294),
}

# The built-in ITRF2000 set, published in m, arc-seconds and ppm: converted
# to the units above to go through the same code.
ITRF2000 = (6315, 2000.0, (-76.1, -10.1, 44.4), (8.765, 9.361, 9.325), 7.935,
            (11.0, -4.5, -17.4), (1.034, 0.671, 1.039), -0.538)

# Cartesian ITRF points (m) in central and south-eastern Australia, at the
# ends of the program's epoch window, a reference epoch and between.
POINTS = [
    (-4052052.048, 4212836.105, -2545105.587),
    (-3950071.853, 2522415.368, -4311638.071),
]
EPOCHS = [1989.0, 1994.0, 2007.5, 2020.0]


def transform(published, point, epoch):
    _, t0, t, r, s, dt, dr, ds = published
    years = epoch - t0
    tx, ty, tz = ((t[i] + dt[i] * years) / 1000.0 for i in range(3))
    rx, ry, rz = ((r[i] + dr[i] * years) * MAS for i in range(3))
    scale = 1.0 + (s + ds * years) * 1e-9
    x, y, z = point
    return (tx + scale * (x + rz * y - ry * z),
            ty + scale * (-rz * x + y + rx * z),
            tz + scale * (ry * x - rx * y + z))


def main():
    # Published worked example: ITRF2000 at 2002.0 gives these GDA94 values.
    worked = transform(ITRF2000, POINTS[0], 2002.0)
    expected = (-4052051.7649, 4212836.2051, -2545106.0264)
    assert all(abs(a - b) < 0.00005 for a, b in zip(worked, expected)), worked
    for name, published in PUBLISHED.items():
        for point in POINTS:
            for epoch in EPOCHS:
                x, y, z = transform(published, point, epoch)
                print('    {"%s", {%.4f, %.4f, %.4f}, %.2f, {%.5f, %.5f, %.5f}},'
                      % (name, *point, epoch, x, y, z))


if __name__ == "__main__":
    main()
