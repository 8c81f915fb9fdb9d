#!/usr/bin/python3
"""Fits the heat-transfer oil laws of the oil dialog to the makers' data-sheet points.

Input: oil_points.tsv (name, kind, source, t in °C, density kg/m³, dynamic viscosity mPa·s or "-").
Laws, t in °C:
  density   ρ = A + B·t + C·t² + D·t³                      (kg/m³), least squares;
  viscosity ν = exp(E + F/(G + t)) in mm²/s, η = ν·ρ       (10⁻⁶ kg/(m·s) with ρ in kg/m³);
            G by a search, E and F by least squares on ln ν, the search minimising the largest
            relative deviation of η = ν·ρ(t) from the data sheet.
Output: wt.txt, the source of WT.STW (its first line is a header the program skips), one oil a
line: kind, name, source, the temperatures the viscosity law was fitted over, A … D, largest density and viscosity deviation (%),
number of points, two empty fields, E, F, G. The build enciphers it; it does not run this script.
"""
import collections
import os

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))


def read_points():
    oils = collections.OrderedDict()
    for line in open(os.path.join(HERE, "oil_points.tsv"), encoding="utf-8"):
        if line.startswith("#") or line.startswith("name\t"):
            continue
        name, kind, source, t, rho, eta = line.rstrip("\n").split("\t")
        oil = oils.setdefault(name, {"kind": kind, "source": source, "points": []})
        oil["points"].append((float(t), None if rho == "-" else float(rho), None if eta == "-" else float(eta)))
    return oils


def fit_density(t, rho):
    a = np.array([t ** k for k in range(4)]).T
    coefficients, *_ = np.linalg.lstsq(a, rho, rcond=None)
    return coefficients


def density_at(coefficients, t):
    return sum(c * t ** k for k, c in enumerate(coefficients))


def fit_viscosity(t, nu, rho_fit, eta):
    """(largest relative deviation of η, E, F, G): G searched, E and F by least squares on ln ν."""
    def trial(g):
        a = np.array([np.ones_like(t), 1 / (g + t)]).T
        (e, f), *_ = np.linalg.lstsq(a, np.log(nu), rcond=None)
        return np.abs(np.exp(e + f / (g + t)) * rho_fit / eta - 1).max(), e, f, g
    best = None
    for g in np.arange(-150, 400, 1.0):
        if np.all(g + t > 1):
            candidate = trial(g)
            if best is None or candidate[0] < best[0]:
                best = candidate
    for g in np.arange(best[3] - 1, best[3] + 1, 0.01):
        if np.all(g + t > 1):
            candidate = trial(g)
            if candidate[0] < best[0]:
                best = candidate
    return best


# A three-constant viscosity law does not follow every oil over 0 to 300 °C within the data
# sheet's own scatter. Each oil is fitted over the widest span of its data-sheet temperatures
# (at least 100 K, the hotter span first among equals) on which the law stays within this bound.
VISCOSITY_BOUND = 0.029


def widest_range(t, nu, rho_fit, eta):
    spans = sorted({(t2 - t1, t2, t1) for t1 in t for t2 in t if t2 - t1 >= 100}, reverse=True)
    for _, t2, t1 in spans:
        inside = (t >= t1) & (t <= t2)
        fitted = fit_viscosity(t[inside], nu[inside], rho_fit[inside], eta[inside])
        if fitted[0] <= VISCOSITY_BOUND:
            return t1, t2, fitted
    return None


def main():
    lines = ["Art\tName\tQuelle\tBereich\tA\tB\tC\tD\tAbw. Dichte %\tAbw. Viskositaet %\tPunkte\t\t\tE\tF\tG"]
    for name, oil in read_points().items():
        points = np.array([(t, r) for t, r, _ in oil["points"] if r is not None])
        density = np.array([float("%.7g" % c) for c in fit_density(points[:, 0], points[:, 1])])
        density_deviation = np.abs(density_at(density, points[:, 0]) / points[:, 1] - 1).max()
        viscous = np.array([(t, np.nan if r is None else r, v) for t, r, v in oil["points"] if v is not None])
        t = viscous[:, 0]
        eta = viscous[:, 2] * 1000  # 10⁻⁶ kg/(m·s)
        rho_fit = density_at(density, t)
        nu = eta / np.where(np.isnan(viscous[:, 1]), rho_fit, viscous[:, 1])
        found = widest_range(t, nu, rho_fit, eta)
        if found is None:
            print("%-20s no span of 100 K fits; left out" % name)
            continue
        t1, t2, (_, e, f, g) = found
        e, f, g = (float("%.7g" % v) for v in (e, f, g))
        inside = (t >= t1) & (t <= t2)
        viscosity_deviation = np.abs(np.exp(e + f / (g + t[inside])) * rho_fit[inside] / eta[inside] - 1).max()
        span = "%g-%g °C" % (t1, t2)
        fields = [oil["kind"], name, oil["source"], span] + ["%.7g" % c for c in density] + [
            "%.2f" % (100 * density_deviation), "%.2f" % (100 * viscosity_deviation), str(len(points)), "", "",
            "%.7g" % e, "%.7g" % f, "%.7g" % g]
        lines.append("\t".join(fields))
        print("%-20s density %.2f %% (%d points), viscosity %.2f %% over %s"
              % (name, 100 * density_deviation, len(points), 100 * viscosity_deviation, span))
    with open(os.path.join(HERE, "wt.txt"), "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
