#!/usr/bin/python3
"""Fits the brine polynomials of the brine dialog to Melinder's tables.

Inputs: melinder/<brine>_{density,viscosity,freezing}.tsv, the property tables of
  Å. Melinder, Thermophysical properties of liquid secondary refrigerants, IIR (1997),
  as tabulated in the CoolProp repository (dev/incompressible_liquids/CPIncomp/data/SecCool/xMass,
  "Melinder, <brine>_Rho/_Mu/_TFreeze.txt"; MIT licence). Density in kg/m³, viscosity in
  10⁻⁵ Pa·s (mPa·s × 100), freezing point in °C over the concentration in mass %; −1 marks a
  cell outside the table's validity.

The scheme: x = c − xm, y = t − tm, f = Σ c_k·x^i·y^j over the 18 terms (i, j) below;
density = f (kg/m³), viscosity = exp(f) mPa·s, freezing point = f (°C, concentration terms only).
Each set is fitted by least squares around the brine's mean point, rounded to four significant
figures (the form Melinder published), and checked against the table.

Outputs (run from anywhere; both files are committed, the build does not run this script):
  brine_coefficients.tsv   every coefficient with its largest deviation from the table
  ../../../src/media/brine_table.cpp   the same coefficients as the program's table
"""
import math
import os

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))

# (i, j): the power of x and of y of coefficient k.
TERMS = [(0, 0), (0, 1), (0, 2), (0, 3), (1, 0), (1, 1), (1, 2), (1, 3), (2, 0), (2, 1), (2, 2), (2, 3),
         (3, 0), (3, 1), (3, 2), (4, 0), (4, 1), (5, 0)]
FREEZING_TERMS = [k for k, (i, j) in enumerate(TERMS) if j == 0]

# Brine number, table name, mean concentration xm (mass %), mean temperature tm (°C), the leading
# coefficients (viscosity, density, freezing point) the fit must reproduce, concentration range
# and highest temperature (°C).
BRINES = [
    (1, "ethylene_glycol", "Ethylene glycol", 38.1615, 6.3333, (1.453, 1056, -21.96), (0, 56), 40),
    (2, "propylene_glycol", "Propylene glycol", 42.7686, 5.3571, (2.274, 1042, -23.6), (15, 57), 40),
    (3, "ethanol", "Ethanol", 38.925, -4.9038, (2.214, 954.4, -28.42), (11, 60), 20),
    (4, "methanol", "Methanol", 32.9283, -6.25, (1.548, 959.2, -29.03), (8, 47.4), 20),
    (5, "glycerol", "Glycerol", 47.8467, 7, (2.191, 1127, -21.38), (19.5, 63), 40),
    (6, "ammonia", "Ammonia", 17.9664, -7.1429, (0.952, 939.9, -30.57), (7.8, 23.6), 20),
    (7, "potassium_carbonate", "Potassium carbonate", 27.6708, 4.1667, (1.222, 1280, -15.68), (0, 39), 30),
    (8, "calcium_chloride", "Calcium chloride", 22.918, 0.2459, (1.293, 1216, -23.88), (9, 29.4), 30),
    (9, "magnesium_chloride", "Magnesium chloride", 13.7, 5.875, (1.04, 1120, -14.3), (0, 20.5), 30),
    (10, "sodium_chloride", "Sodium chloride", 12.3589, 9.2581, (0.4951, 1094, -8.45), (0, 23), 30),
]

# Melinder's sodium chloride fit comes out in round figures around xm = 12.3539 %, 0.005 % below
# the program's mean point; it is fitted there and re-centred exactly (a shift of x keeps the
# 18-term structure: x^i becomes a sum of lower powers).
FIT_CENTRE = {10: 12.3539}

# The ammonia tables have five concentrations only, one fewer than the polynomial's powers of x:
# the fifth power is fixed by the leading coefficient instead of by the table.
FIX_LEADING = {6}

# Brine 1's freezing polynomial in the program also carries small temperature terms (below
# 2·10⁻⁵ K per K); they are kept as they stand. The other brines have none.
BRINE1_FREEZING_TEMPERATURE_TERMS = {1: 9.186e-6, 2: -1.136e-6, 3: 1.789e-8, 5: -3.391e-6, 6: 7.548e-8,
                                      7: 8.493e-10, 9: 2.355e-7, 10: 2.159e-9, 11: -1.311e-10,
                                      13: 6.091e-10, 14: -1.465e-10, 16: -2.269e-10}


def read_grid(path):
    """(c, t, value) of every valid cell of a T-by-X table."""
    rows = [line.split("\t") for line in open(path, encoding="utf-8").read().strip().split("\n")]
    concentrations = [float(v) for v in rows[0][1:]]
    points = []
    for row in rows[1:]:
        t = float(row[0])
        for c, v in zip(concentrations, row[1:]):
            if float(v) != -1:
                points.append((c, t, float(v)))
    return np.array(points)


def read_freezing(path):
    rows = [line.split("\t") for line in open(path, encoding="utf-8").read().strip().split("\n")[1:]]
    return np.array([(float(c), 0.0, float(v)) for c, v in rows])


def design(points, xm, tm, terms):
    x = points[:, 0] - xm
    y = points[:, 1] - tm
    return np.array([x ** TERMS[k][0] * y ** TERMS[k][1] for k in terms]).T


def round4(value):
    return 0.0 if value == 0 else float("%.4g" % value)


def fit(points, target, xm, tm, terms, leading=None):
    """Least-squares coefficients (18, zeros outside `terms`), rounded; terms whose largest
    contribution over the table lies below the fit's own residual are noise and set to 0."""
    a = design(points, xm, tm, terms)
    coefficients = np.zeros(18)
    if leading is None:
        solved, *_ = np.linalg.lstsq(a, target, rcond=None)
        coefficients[terms] = solved
    else:
        solved, *_ = np.linalg.lstsq(a[:, 1:], target - leading, rcond=None)
        coefficients[terms] = np.concatenate([[leading], solved])
    residual = np.abs(a @ coefficients[terms] - target).max()
    for column, k in enumerate(terms):
        if np.abs(a[:, column]).max() * abs(coefficients[k]) < 10 * residual:
            coefficients[k] = 0.0
    return np.array([round4(v) for v in coefficients])


def shift_x(coefficients, delta):
    """The same polynomial written around xm + delta: x_old = x_new + delta."""
    shifted = np.zeros(18)
    index = {term: k for k, term in enumerate(TERMS)}
    for k, (i, j) in enumerate(TERMS):
        for m in range(i + 1):
            shifted[index[(m, j)]] += coefficients[k] * math.comb(i, m) * delta ** (i - m)
    return shifted


def evaluate(coefficients, points, xm, tm):
    return design(points, xm, tm, range(18)) @ coefficients


def main():
    rows = []
    table = []
    for number, stem, name, xm, tm, leading, (cmin, cmax), tmax in BRINES:
        density = read_grid(os.path.join(HERE, "melinder", stem + "_density.tsv"))
        viscosity = read_grid(os.path.join(HERE, "melinder", stem + "_viscosity.tsv"))
        freezing = read_freezing(os.path.join(HERE, "melinder", stem + "_freezing.tsv"))
        centre = FIT_CENTRE.get(number, xm)
        fixed = number in FIX_LEADING
        sets = {
            "viscosity": fit(viscosity, np.log(viscosity[:, 2] / 100.0), centre, tm, range(18),
                             leading[0] if fixed else None),
            "density": fit(density, density[:, 2], centre, tm, range(18), leading[1] if fixed else None),
            "freezing": fit(freezing, freezing[:, 2], centre, tm, FREEZING_TERMS, leading[2] if fixed else None),
        }
        if number == 1:
            for k, v in BRINE1_FREEZING_TEMPERATURE_TERMS.items():
                sets["freezing"][k] = v
        for key, lead in zip(("viscosity", "density", "freezing"), leading):
            assert sets[key][0] == lead, (name, key, sets[key][0], lead)
        program = {key: shift_x(c, xm - centre) if centre != xm else c for key, c in sets.items()}
        if centre != xm:
            # The re-centred polynomial is the published one, to rounding.
            for key, points in (("viscosity", viscosity), ("density", density), ("freezing", freezing)):
                difference = np.abs(evaluate(program[key], points, xm, tm) - evaluate(sets[key], points, centre, tm))
                assert difference.max() < 1e-9, (name, key, difference.max())
                rows.append([str(number), name, key + " (published centre)", repr(centre), repr(tm)] +
                            ["%.4g" % v for v in sets[key]] + ["%.3g" % difference.max()])
        deviations = {
            "viscosity": np.abs(np.exp(evaluate(program["viscosity"], viscosity, xm, tm)) * 100 / viscosity[:, 2] - 1).max(),
            "density": np.abs(evaluate(program["density"], density, xm, tm) - density[:, 2]).max(),
            "freezing": np.abs(evaluate(program["freezing"], freezing, xm, tm) - freezing[:, 2]).max(),
        }
        for key in ("viscosity", "density", "freezing"):
            rows.append([str(number), name, key, repr(xm), repr(tm)] + [repr(float(v)) for v in program[key]] +
                        ["%.3g" % deviations[key]])
        table.append((number, name, xm, tm, cmin, cmax, tmax, program))
        print("%2d %-20s largest deviation: viscosity %.2g (relative), density %.2g kg/m³, freezing %.2g K"
              % (number, name, deviations["viscosity"], deviations["density"], deviations["freezing"]))

    with open(os.path.join(HERE, "brine_coefficients.tsv"), "w", encoding="utf-8") as out:
        out.write("# Brine polynomials fitted to Melinder (1997) by fit_brines.py; the last column is the largest\n")
        out.write("# deviation from the table: viscosity relative, density kg/m³, freezing point K (re-centred rows:\n")
        out.write("# the largest difference from the published polynomial).\n")
        out.write("\t".join(["brine", "name", "set", "xm", "tm"] + ["c%d" % k for k in range(18)] + ["deviation"]) + "\n")
        for row in rows:
            out.write("\t".join(row) + "\n")

    with open(os.path.join(HERE, "..", "..", "..", "src", "media", "brine_table.cpp"), "w", encoding="utf-8") as out:
        out.write("// Generated by data/media/brines/fit_brines.py from Melinder's tables of secondary refrigerants\n")
        out.write("// (IIR 1997); edit the script, not this file. Coefficients in the order of BrinePolynomial.\n")
        out.write('#include "media/brine_table.h"\n\nnamespace velmora::media {\n\n')
        out.write("const std::array<BrineData, brineCount>& brineTable() {\n")
        out.write("    static const std::array<BrineData, brineCount> table{{\n")
        for number, name, xm, tm, cmin, cmax, tmax, program in table:
            out.write("        // %d: %s\n" % (number, name))
            out.write("        {%rL, %rL, %rL, %rL, %rL,\n" % (float(xm), float(tm), float(cmin), float(cmax), float(tmax)))
            for key in ("viscosity", "density", "freezing"):
                values = ", ".join("%rL" % float(v) for v in program[key])
                out.write("         {{%s}},\n" % values)
            out.write("        },\n")
        out.write("    }};\n    return table;\n}\n\n}  // namespace velmora::media\n")


if __name__ == "__main__":
    main()
