#!/usr/bin/python3
"""Second route for the open-channel tests: the section geometry worked afresh and the mean velocity
from python3-fluids' Manning formula (n = 1 / kSt). Reads lines "shape a b c slope kSt" and prints
"velocity flow" for each; shapes: rectangle B H, trapezoid B H alpha, semicircle R, triangle H alpha,
any U A."""
import math
import sys

from fluids.open_flow import V_Manning


def section(shape, a, b, c):
    if shape == "rectangle":
        return a * b, a + 2 * b
    if shape == "trapezoid":
        side = b / math.sin(math.radians(c))              # length of each sloping side
        return b * (a + b / math.tan(math.radians(c))), a + 2 * side
    if shape == "semicircle":
        return math.pi * a * a / 2, math.pi * a
    if shape == "triangle":
        half = a / math.tan(math.radians(b))              # half the top width
        return a * half, 2 * math.hypot(a, half)
    if shape == "any":
        return b, a
    raise ValueError(shape)


for line in sys.stdin:
    if not line.strip():
        continue
    shape, *numbers = line.split()
    a, b, c, slope, strickler = map(float, numbers)
    area, perimeter = section(shape, a, b, c)
    v = V_Manning(area / perimeter, slope, 1 / strickler)
    print(f"{v:.17g} {v * area:.17g}")
