#!/usr/bin/python3
"""Writes gase.txt, the source of GASE.STW, from the ChemSep 8.32 pure-component databank.

Input: Misc/ChemSep8.32.xml of the CalebBell/chemicals repository (ChemSep databank by Kooijman
and Taylor, Artistic 2.0): CAS number, name, formula, molar mass, melting and normal boiling
point, critical temperature and pressure, acentric factor, and the low-pressure vapour viscosity
as the DIPPR equation 102, mu = A·T^B/(1 + C/T + D/T²) Pa·s, fitted by DIPPR to measured values
within its Tmin … Tmax. The viscosity points are that equation at whole-degree temperatures
inside its range and above the normal boiling point (the gas at 1.013 bar).

Line 1 is a header the program skips. Every further line, TAB-separated: 1 CAS, 2 name,
3 the record's source, 4 formula, 5 M g/mol, 6 melting point °C, 7 boiling point °C, 8 Tc K,
9 pc bar, 10 (not read), 11 acentric factor, then pairs of temperature °C and viscosity
10⁻⁶ kg/(m·s).

Usage: /usr/bin/python3 build_gases.py CHEMICALS_FOLDER
"""
import re
import sys
from pathlib import Path

root = Path(sys.argv[1]) / "chemicals"
here = Path(__file__).resolve().parent

GASES = [
    "Air", "Nitrogen", "Oxygen", "Argon", "Neon", "Krypton", "Xenon", "Hydrogen", "Carbon monoxide",
    "Carbon dioxide", "Water", "Methane", "Ethane", "Propane", "N-butane", "Isobutane", "N-pentane",
    "Neopentane", "N-hexane", "Ethylene", "Propylene", "Propadiene", "1-butene", "Isobutene",
    "1,3-butadiene", "Acetylene", "Ammonia", "Chlorine", "Fluorine", "Hydrogen chloride",
    "Hydrogen sulfide", "Sulfur dioxide", "Sulfur hexafluoride", "Nitrous oxide",
    "Nitric oxide", "Nitrogen dioxide", "Carbonyl sulfide", "Phosgene", "Methyl chloride",
    "Vinyl chloride", "Chloroform", "Dimethyl ether", "Diethyl ether", "Ethylene oxide",
    "Formaldehyde", "Methyl mercaptan", "Methylamine", "Trimethylamine", "Methanol", "Ethanol",
    "Acetone", "Benzene", "Toluene", "Cyclohexane",
]
SUBLIMATION = {"Carbon dioxide": 194.69}
# Hydrogen cyanide is left out: its DIPPR 102 line (ChemSep and Perry alike) gives 2.9 µPa·s at
# 50 °C and rises faster than any gas viscosity; the plausibility test refuses it.
CANDIDATES = [-250, -200, -150, -100, -50, 0, 20, 50, 100, 150, 200, 300, 400, 500, 600, 800, 1000]

xml = (root / "Misc/ChemSep8.32.xml").read_text(encoding="utf-8", errors="replace")
compounds = {}
for block in xml.split("<compound>")[1:]:
    name = re.search(r'<CompoundID [^>]*value="([^"]*)"', block).group(1)
    compounds[name] = block


def value(block, tag):
    m = re.search(r'<%s [^>]*value="([^"]*)"' % tag, block)
    return m.group(1) if m else None


def number(x, digits):
    text = f"{x:.{digits}f}"
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


lines = ["CAS\tName\tSource\tFormula\tM g/mol\tTm °C\tTb °C\tTc K\tpc bar\t-\tomega\tt °C\tviscosity 10^-6 kg/ms ..."]
for wanted in GASES:
    block = compounds[wanted]
    vis = re.search(r"<VaporViscosity[^>]*>(.*?)</VaporViscosity>", block, re.S).group(1)
    assert re.search(r'<eqno value="(\d+)"', vis).group(1) == "102", wanted
    a, b, c, d = (float(re.search(r'<%s value="([^"]*)"' % k, vis).group(1)) if re.search(r'<%s value=' % k, vis)
                  else 0.0 for k in "ABCD")
    tmin = float(re.search(r'<Tmin [^>]*value="([^"]*)"', vis).group(1))
    tmax = float(re.search(r'<Tmax [^>]*value="([^"]*)"', vis).group(1))
    tb_text = value(block, "NormalBoilingPointTemperature")
    # Carbon dioxide has no normal boiling point; it sublimes at 1 atm at 194.69 K (CRC Handbook).
    tb = float(tb_text) if tb_text else SUBLIMATION[wanted]
    points = []
    for t in CANDIDATES:
        T = t + 273.15
        if tmin <= T <= tmax and T > tb:
            mu = a * T ** b / (1 + c / T + d / T ** 2) * 1e6
            points.append((t, mu))
    points = points[:8]
    assert len(points) >= 3, wanted
    name = "n-" + wanted[2:] if wanted.startswith("N-") else wanted
    if name == "Water":
        name = "Water vapour (steam)"
    cas = value(block, "CAS")
    fields = [cas, name, f"ChemSep 8.32 (CAS {cas}): constants; viscosity DIPPR 102 fit to measured data",
              value(block, "StructureFormula") or "", number(float(value(block, "MolecularWeight")), 3),
              number(float(value(block, "NormalMeltingPointTemperature")) - 273.15, 2), number(tb - 273.15, 2),
              number(float(value(block, "CriticalTemperature")), 2),
              number(float(value(block, "CriticalPressure")) / 1e5, 3), "-",
              number(float(value(block, "AcentricityFactor")), 4)]
    for t, mu in points:
        fields += [str(t), number(mu, 1)]
    lines.append("\t".join(fields))

with open(here / "gase.txt", "w", encoding="utf-8", newline="\n") as f:
    f.write("\n".join(lines) + "\n")
print(len(lines) - 1, "gases")
