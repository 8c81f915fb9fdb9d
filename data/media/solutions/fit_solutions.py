#!/usr/bin/python3
"""Fits the aqueous-solution coefficients of WAESSRIG.STW to Laliberté's models.

Input: laliberte_parameters.tsv (Laliberté & Cooper 2004 density, Laliberté 2007 viscosity, with
each fit's limits). For every solute, solution densities and viscosities are generated from these
published models on a grid inside their limits (t from 0 °C, or the models' lowest temperature,
to the highest; w in steps of 1 % by mass, six temperatures), and the program's forms, t in °C and w in mass %,
  ρ = ρw·10^(w/100·(a1/10⁴ − a2/10⁶·t + a3/10⁸·t²))
  η = ηw·10^(w/100·(b1/100 + b2/10⁴·t + b3/10⁵·t²))
are fitted to them by least squares in log10(ρ/ρw) and log10(η/ηw), with Laliberté's own water
(ρw after Kell, ηw after Laliberté) in the ratios. The logarithmic form holds only so far into the
concentration: each solute keeps the widest range from 0 up to which both deviate at most 2.9 %
from the model (checked on the grid); the range is written into its description line.

Output: waessrig.txt, the source of WAESSRIG.STW (two header lines the program skips, then one
solute a line: name, source, description, a1 … a3, b1 … b3, and the largest deviations). Also
solution_points.tsv: every generated point with the fitted value beside it. The build enciphers
waessrig.txt; it does not run this script.
"""
import csv
import math
import os

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
BOUND = 0.029


def water_density(t):  # kg/m³, Kell (1975) as used by Laliberté
    return ((((((-2.8054253e-10 * t + 1.0556302e-7) * t - 4.6170461e-5) * t - 0.0079870401) * t + 16.945176) * t
             + 999.83952) / (1 + 0.01687985 * t))


def water_viscosity(t):  # mPa·s, Laliberté (2007)
    return (t + 246) / ((0.05594 * t + 5.2842) * t + 137.37)


def solution_density(p, w, t):  # w mass fraction
    c0, c1, c2, c3, c4 = p["c"]
    v = (w + c2 + c3 * t) / ((c0 * w + c1) * math.exp(1e-6 * (t + c4) ** 2))
    return 1 / ((1 - w) / water_density(t) + w * v)


def solution_viscosity(p, w, t):
    v1, v2, v3, v4, v5, v6 = p["v"]
    solute = math.exp((v1 * w ** v2 + v3) / (v4 * t + 1)) / (v5 * w ** v6 + 1)
    return math.exp((1 - w) * math.log(water_viscosity(t)) + w * math.log(solute))


def read_parameters():
    rows = [r for r in csv.reader(open(os.path.join(HERE, "laliberte_parameters.tsv"), encoding="utf-8"),
                                  delimiter="\t") if not r[0].startswith("#")]
    head = rows[0]
    for r in rows[1:]:
        d = dict(zip(head, r))
        yield {
            "name": d["name"], "cas": d["CAS"], "formula": d["formula"],
            "c": [float(d["c%d" % k]) for k in range(5)],
            "v": [float(d["v%d" % k]) for k in range(1, 7)],
            "tmin": max(float(d["density_tmin"]), float(d["viscosity_tmin"]), 0.0),
            "tmax": min(float(d["density_tmax"]), float(d["viscosity_tmax"]), 200.0),
            "wmax": min(float(d["density_wmax"]), float(d["viscosity_wmax"])),
        }


def narrow(p):
    """A temperature span below 5 K is taken as one temperature, its middle."""
    if p["tmax"] - p["tmin"] < 5:
        p["tmin"] = p["tmax"] = round((p["tmin"] + p["tmax"]) / 2, 1)
    return p


def grid(p, wmax):
    temperatures = np.linspace(p["tmin"], p["tmax"], 6) if p["tmax"] > p["tmin"] else np.array([p["tmin"]])
    steps = int(round(wmax * 100))
    fractions = [k / 100 for k in range(1, steps + 1)]
    return [(w, t) for w in fractions for t in temperatures]


def fit(points, ratio, scale):
    """Coefficients k1..k3 of log10(ratio) = w/100·(k1·s1 + k2·s2·t + k3·s3·t²)."""
    w = np.array([pt[0] * 100 for pt in points])
    t = np.array([pt[1] for pt in points])
    isothermal = np.ptp(t) == 0
    columns = [w / 100 * scale[0]] + ([] if isothermal else [w / 100 * scale[1] * t, w / 100 * scale[2] * t * t])
    a = np.array(columns).T
    solved, *_ = np.linalg.lstsq(a, np.log10(ratio), rcond=None)
    coefficients = list(solved) + [0.0] * (3 - len(solved))
    return [float("%.6g" % c) for c in coefficients]


def form(k, scale, w, t):
    return 10 ** (w / 100 * (k[0] * scale[0] + k[1] * scale[1] * t + k[2] * scale[2] * t * t))


DENSITY_SCALE = (1e-4, -1e-6, 1e-8)
VISCOSITY_SCALE = (1e-2, 1e-4, 1e-5)


def fit_up_to(p, wmax):
    points = grid(p, wmax)
    rho = np.array([solution_density(p, w, t) / water_density(t) for w, t in points])
    eta = np.array([solution_viscosity(p, w, t) / water_viscosity(t) for w, t in points])
    a = fit(points, rho, DENSITY_SCALE)
    b = fit(points, eta, VISCOSITY_SCALE)
    rho_fit = np.array([form(a, DENSITY_SCALE, w * 100, t) for w, t in points])
    eta_fit = np.array([form(b, VISCOSITY_SCALE, w * 100, t) for w, t in points])
    return a, b, np.abs(rho_fit / rho - 1).max(), np.abs(eta_fit / eta - 1).max(), points


def main():
    lines = ["Velmora – wässrige Lösungen / aqueous solutions (Laliberté; fit_solutions.py)",
             "Name\tQuelle\tBeschreibung\ta1\ta2\ta3\tb1\tb2\tb3\tAbw. Dichte %\tAbw. Viskositaet %"]
    table = ["# Points generated from Laliberté's models and the fitted program values (density and viscosity\n"
             "# relative to water); w mass %, t °C.\n",
             "name\tw\tt\tdensity_ratio\tfitted\tviscosity_ratio\tfitted\n"]
    for p in map(narrow, read_parameters()):
        best = None
        top = min(math.floor(p["wmax"] * 100), 99)  # the dialog takes w below 100 %
        for percent in range(top, 1, -1):
            result = fit_up_to(p, percent / 100)
            if result[2] <= BOUND and result[3] <= BOUND:
                best = (percent, result)
                break
        if best is None:
            print("%-32s no range fits; left out" % p["name"])
            continue
        percent, (a, b, drho, deta, points) = best
        if p["tmax"] > p["tmin"]:
            span = "%g-%g °C" % (p["tmin"], p["tmax"])
        else:
            span = "%g °C" % p["tmin"]
        description = "%s, w 0-%d %%, %s" % (p["formula"], percent, span)
        source = "Laliberté 2004/2007 (CAS %s)" % p["cas"]
        lines.append("\t".join([p["name"], source, description] + ["%.6g" % c for c in a + b] +
                               ["%.2f" % (100 * drho), "%.2f" % (100 * deta)]))
        for w, t in points:
            r = solution_density(p, w, t) / water_density(t)
            e = solution_viscosity(p, w, t) / water_viscosity(t)
            table.append("%s\t%g\t%.4g\t%.7g\t%.7g\t%.7g\t%.7g\n" % (
                p["name"], w * 100, t, r, form(a, DENSITY_SCALE, w * 100, t), e, form(b, VISCOSITY_SCALE, w * 100, t)))
        print("%-32s w up to %2d %%, %-12s density %.2f %%, viscosity %.2f %%" % (p["name"], percent, span,
                                                                                  100 * drho, 100 * deta))
    with open(os.path.join(HERE, "waessrig.txt"), "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    with open(os.path.join(HERE, "solution_points.tsv"), "w", encoding="utf-8") as out:
        out.writelines(table)


if __name__ == "__main__":
    main()
