#!/usr/bin/python3
"""Builds stbere.txt, the source of STBERE.STW, from chemsep_extract.tsv and coolprop_extract.tsv.

Fields of a substance line (the program skips the first line):
  1 CAS, 2 name, 3 source, 4 formula (Hill order), 5 M g/mol, 6 tm °C, 7 tb °C, 8 Tc K, 9 pc bar,
  10 Vc cm³/mol, 11 ρR g/cm³, 12 TR K, 13 ZRA (empty: estimated from ω), 14 ω, 15 viscosity form,
  16–19 A–D, 20–21 lowest and highest temperature of the viscosity form K, 22 refrigerant number,
  23 the largest deviation of the viscosity form from the source's equation (%).
ChemSep substances: reference density from its DIPPR liquid-density equation at 20 °C (or at the
normal boiling point, or at the middle of the equation's range, whichever the substance is liquid
at), Rackett parameter and ω as given. Its liquid viscosity, DIPPR 101 ln η = A + B/T + C·ln T + D·T^E
(Pa·s), is taken as form "6" (η = 10⁶·exp(A + B/T + C·ln T + D/T³), 10⁻⁶ kg/(m·s)) where D = 0,
else refitted over the equation's range to form 6 or form "3" (η = 1000·exp(A + B/T + C·T + D·T²)),
whichever deviates less; a substance whose refit deviates more than 3 % gets no equation (the program
then estimates its viscosity). Refrigerants that ChemSep lacks come from CoolProp's fluid files: critical
point, ω, triple point as melting point, the normal boiling point from the vapour-pressure ancillary
and the reference density from the liquid-density ancillary; no viscosity equation.
Refrigerant numbers: CoolProp's names and aliases, and ASHRAE Standard 34 for a few more.
"""
import csv
import math
import os
import re

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))

# ASHRAE Standard 34 numbers of substances whose CoolProp file carries none (or that CoolProp lacks).
ASHRAE = {
    "56-23-5": "R10", "67-66-3": "R20", "75-09-2": "R30", "75-00-3": "R160", "60-29-7": "R610",
    "107-31-3": "R611", "74-89-5": "R630", "75-04-7": "R631", "7446-09-5": "R764", "10024-97-2": "R744A",
    "75-01-4": "R1140", "79-01-6": "R1120", "127-18-4": "R1110", "75-19-4": "RC270", "2551-62-4": "R846",
    "463-82-1": "R601b",
}
VISCOSITY_BOUND = 3.0  # %


def rows(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        lines = [line for line in f if not line.startswith("#")]
    return list(csv.DictReader(lines, delimiter="\t"))


def number(text):
    return float(text) if text not in ("", None) else None


def refrigerant(name):
    """R152A → R152a, R365MFC → R365mfc, R1224YDZ → R1224yd(Z); (E)/(Z) kept."""
    m = re.fullmatch(r"(R[CE]?)(\d+)([A-Za-z]*)(\([EZ]\))?", name)
    if not m:
        return name
    letters = m.group(3)
    if letters.upper() == "YDZ":
        return m.group(1) + m.group(2) + "yd(Z)"
    return m.group(1) + m.group(2) + letters.lower() + (m.group(4) or "")


def pretty(name):
    for prefix in ("N-", "Cis-", "Trans-"):
        if name.startswith(prefix) and len(name) > len(prefix):
            rest = name[len(prefix):]
            return prefix.lower() + rest[0].upper() + rest[1:]
    return name


def liquid_density(row, t):  # kmol/m³
    a, b, c, d, e = (number(row["rho_" + k]) for k in "ABCDE")
    if row["rho_eq"] == "105":
        return a / b ** (1 + (1 - t / c) ** d)
    if row["rho_eq"] == "106":
        tr = t / number(row["Tc_K"])
        return a * (1 - tr) ** (b + c * tr + (d or 0) * tr * tr + (e or 0) * tr ** 3)
    return None


def dippr101(row, t):  # ln η, Pa·s
    a, b, c, d, e = (number(row["mu_" + k]) or 0 for k in "ABCDE")
    return a + b / t + c * math.log(t) + d * t ** e


def viscosity_form(row):
    """(form, A, B, C, D, Tmin, Tmax, deviation %) or None."""
    if row["mu_eq"] != "101" or not row["mu_Tmin"] or not row["mu_Tmax"]:
        return None
    tmin, tmax = number(row["mu_Tmin"]), number(row["mu_Tmax"])
    a, b, c, d = (number(row["mu_" + k]) or 0 for k in "ABCD")
    if d == 0:
        return ("6", a, b, c, 0.0, tmin, tmax, 0.0)
    t = np.linspace(tmin, tmax, 60)
    target = np.array([dippr101(row, x) for x in t])  # ln(η/Pa·s)
    fits = []
    six = np.array([np.ones_like(t), 1 / t, np.log(t), 1 / t ** 3]).T
    k6, *_ = np.linalg.lstsq(six, target, rcond=None)
    k6 = [float("%.8g" % v) for v in k6]
    fits.append(("6", k6, six @ np.array(k6) - target))
    three = np.array([np.ones_like(t), 1 / t, t, t * t]).T
    k3, *_ = np.linalg.lstsq(three, target + math.log(1000), rcond=None)  # ln(η/mPa·s)
    k3 = [float("%.8g" % v) for v in k3]
    fits.append(("3", k3, three @ np.array(k3) - math.log(1000) - target))
    form, k, residual = min(fits, key=lambda f: np.abs(f[2]).max())
    deviation = 100 * (math.exp(np.abs(residual).max()) - 1)
    if deviation > VISCOSITY_BOUND:
        return None
    return (form, *k, tmin, tmax, deviation)


def g(value, digits=7):
    return "" if value is None else "%.*g" % (digits, value)


def chemsep_lines(coolprop_numbers):
    lines = {}
    for r in rows("chemsep_extract.tsv"):
        needed = ["M_kg_kmol", "Tm_K", "Tb_K", "Tc_K", "Pc_Pa", "Vc_m3_kmol", "omega", "rho_eq"]
        if any(not r[k] for k in needed) or not r["formula"] or r["rho_eq"] not in ("105", "106"):
            continue
        m, tm, tb, tc = (number(r[k]) for k in ("M_kg_kmol", "Tm_K", "Tb_K", "Tc_K"))
        rho_min, rho_max = number(r["rho_Tmin"]), number(r["rho_Tmax"])
        for tr in (293.15, tb, (rho_min + rho_max) / 2):
            if rho_min <= tr <= rho_max and tm <= tr < tc:
                break
        else:
            continue
        density = liquid_density(r, tr) * m / 1000  # g/cm³
        viscosity = viscosity_form(r)
        cas = r["CAS"]
        fields = [cas, pretty(r["name"]), "ChemSep 8.32", r["formula"], g(m), g(tm - 273.15, 6), g(tb - 273.15, 6),
                  g(tc), g(number(r["Pc_Pa"]) / 1e5), g(number(r["Vc_m3_kmol"]) * 1000), g(density, 6), g(tr, 6),
                  r["ZRA"], r["omega"]]
        if viscosity:
            form, a, b, c, d, tmin, tmax, deviation = viscosity
            fields += [form, g(a, 8), g(b, 8), g(c, 8), g(d, 8), g(tmin, 6), g(tmax, 6)]
            note = "%.2f" % deviation
        else:
            fields += ["0", "", "", "", "", "", ""]
            note = ""
        fields += [coolprop_numbers.get(cas) or ASHRAE.get(cas, ""), note]
        lines[cas] = fields
    return lines


def ancillary(nt, theta):
    n, t = ([float(v) for v in part.split(";")] for part in nt.split("|"))
    return sum(ni * theta ** ti for ni, ti in zip(n, t))


def coolprop_line(r):
    tc, pc, ttriple = number(r["Tc_K"]), number(r["pc_Pa"]), number(r["Ttriple_K"])
    m = number(r["M_kg_mol"]) * 1000  # g/mol
    def ps(t):
        return number(r["ps_pr"]) * math.exp(number(r["ps_Tr"]) / t * ancillary(r["ps_nt"], 1 - t / number(r["ps_Tr"])))
    if not (ps(ttriple) < 101325 < pc):
        return None
    low, high = ttriple, tc
    for _ in range(100):
        middle = (low + high) / 2
        low, high = (middle, high) if ps(middle) < 101325 else (low, middle)
    tb = (low + high) / 2
    tr = 293.15 if ttriple < 293.15 < tc - 5 else tb
    rho_r = number(r["rhoL_Tr"])
    density = number(r["rhoL_rhor"]) * (1 + ancillary(r["rhoL_nt"], 1 - tr / rho_r)) * m / 1e6  # g/cm³
    counts = {}
    for element, k in re.findall(r"([A-Z][a-z]?)(\d*)", re.sub(r"\(.*?\)|[^A-Za-z0-9]", "", r["formula"])):
        counts[element] = counts.get(element, 0) + (int(k) if k else 1)
    first = ["C"] + (["H"] if "H" in counts else []) if "C" in counts else []
    formula = "".join(e + (str(counts[e]) if counts[e] > 1 else "") for e in first + sorted(set(counts) - set(first)))
    number_text = refrigerant(r["refrigerant"]) if r["refrigerant"] else ASHRAE.get(r["CAS"], "")
    return [r["CAS"], number_text or r["name"], "CoolProp (%s)" % r["EOS"], formula, g(m), g(ttriple - 273.15, 6),
            g(tb - 273.15, 6), g(tc), g(pc / 1e5), g(1e6 / number(r["rhoc_mol_m3"])), g(density, 6), g(tr, 6), "",
            g(number(r["omega"]), 6), "0", "", "", "", "", "", "", number_text, ""]


def main():
    coolprop = rows("coolprop_extract.tsv")
    numbers = {r["CAS"]: refrigerant(r["refrigerant"]) for r in coolprop if r["refrigerant"]}
    lines = chemsep_lines(numbers)
    for r in coolprop:
        if r["CAS"] not in lines and r["refrigerant"]:
            line = coolprop_line(r)
            if line:
                lines[r["CAS"]] = line
    names = [fields[1] for fields in lines.values()]
    assert len(names) == len(set(names)), [n for n in names if names.count(n) > 1]
    header = ["CAS", "Name", "Quelle", "Formel", "M", "tm", "tb", "Tc", "pc", "Vc", "rhoR", "TR", "ZRA", "omega",
              "Gl.", "A", "B", "C", "D", "Tmin", "Tmax", "R-Nr.", "Abw. Visk. %"]
    with open(os.path.join(HERE, "stbere.txt"), "w", encoding="utf-8") as out:
        out.write("\t".join(header) + "\n")
        for fields in lines.values():
            out.write("\t".join(fields) + "\n")
    with_equation = sum(1 for f in lines.values() if f[14] != "0")
    refrigerants = sum(1 for f in lines.values() if f[21])
    print("%d substances, %d with a viscosity equation, %d with a refrigerant number" %
          (len(lines), with_equation, refrigerants))


if __name__ == "__main__":
    main()
