#!/usr/bin/python3
"""Writes medien.txt, the source of MEDIEN.STW, the liquids database.

Inputs:
  Misc/ChemSep8.32.xml of the CalebBell/chemicals repository (ChemSep databank by Kooijman and
  Taylor, Artistic 2.0): name, formula, melting and normal boiling point, the saturated-liquid
  density as DIPPR equation 105 (kmol/m³) and the liquid viscosity as DIPPR equation 101
  (ln mu[Pa·s] = A + B/T + C·ln T + D·T^E), both fitted by DIPPR to measured values within their
  Tmin … Tmax.
  Water: IAPWS-IF97 region 1 density and the IAPWS 2008 viscosity at 1.01325 bar, evaluated with
  python3-iapws.

The points are whole-degree temperatures on a 5 °C grid inside the liquid range at normal
pressure (above the melting point, below the normal boiling point) and inside both fits' ranges,
at most seven per liquid, at least four.

One line per liquid, TAB-separated: name, description, melting point °C, boiling point °C, then
triples of temperature °C, density kg/m³ and dynamic viscosity 10⁻⁶ kg/(m·s); after them an empty
field and the record's source (the program stops reading at the empty field).

Usage: /usr/bin/python3 build_liquids.py CHEMICALS_FOLDER
"""
import math
import re
import sys
from pathlib import Path

root = Path(sys.argv[1]) / "chemicals"
here = Path(__file__).resolve().parent

LIQUIDS = [
    "Methanol", "Ethanol", "1-propanol", "Isopropanol", "1-butanol", "2-butanol", "Ethylene glycol",
    "Diethylene glycol", "Triethylene glycol", "Monoethanolamine", "Diethanolamine", "Acetone",
    "Methyl ethyl ketone", "Methyl isobutyl ketone", "Cyclohexanone", "Benzene", "Toluene", "O-xylene",
    "M-xylene", "P-xylene", "Ethylbenzene", "Cumene", "Styrene", "N-pentane", "N-hexane", "N-heptane",
    "N-octane", "N-nonane", "N-decane", "N-dodecane", "N-hexadecane", "Cyclohexane", "Ethyl acetate",
    "Methyl acetate", "Vinyl acetate", "Methyl methacrylate", "Diethyl ether", "Tetrahydrofuran",
    "1,4-dioxane", "Chloroform", "Carbon tetrachloride", "Trichloroethylene", "Aniline", "Phenol",
    "Pyridine", "Acetonitrile", "Acrylonitrile", "Dimethyl sulfoxide", "Carbon disulfide", "Nitrobenzene",
    "Furfural", "Bromine", "Nitric acid", "Acetic acid", "Propionic acid", "Acetic anhydride", "Ammonia",
    "Sulfur dioxide", "Chlorine",
]

xml = (root / "Misc/ChemSep8.32.xml").read_text(encoding="utf-8", errors="replace")
compounds = {}
for block in xml.split("<compound>")[1:]:
    compounds[re.search(r'<CompoundID [^>]*value="([^"]*)"', block).group(1)] = block


def value(block, tag):
    m = re.search(r'<%s [^>]*value="([^"]*)"' % tag, block)
    return m.group(1) if m else None


def correlation(block, tag):
    body = re.search(r"<%s[^>]*>(.*?)</%s>" % (tag, tag), block, re.S).group(1)
    get = lambda k: float(re.search(r'<%s value="([^"]*)"' % k, body).group(1)) if re.search(r'<%s value=' % k, body) else 0.0
    eq = re.search(r'<eqno value="(\d+)"', body).group(1)
    tmin = float(re.search(r'<Tmin [^>]*value="([^"]*)"', body).group(1))
    tmax = float(re.search(r'<Tmax [^>]*value="([^"]*)"', body).group(1))
    return eq, [get(k) for k in "ABCDE"], tmin, tmax


def number(x, digits):
    text = f"{x:.{digits}f}"
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def grid(low, high):
    """Up to seven multiples of 5 °C evenly spread over [low, high], 20 °C among them if inside."""
    cells = list(range(int(math.ceil(low / 5)) * 5, int(math.floor(high / 5)) * 5 + 1, 5))
    if len(cells) <= 7:
        return cells
    picked = {cells[round(i * (len(cells) - 1) / 6)] for i in range(7)}
    if 20 in cells and 20 not in picked:
        picked.remove(min(picked, key=lambda c: abs(c - 20)))
        picked.add(20)
    return sorted(picked)


lines = []
# Water first: the dialog opens on the first liquid.
from iapws import IAPWS97  # noqa: E402
from iapws._iapws import _Viscosity  # noqa: E402

water = []
for t in (0, 10, 20, 40, 60, 80, 95):
    state = IAPWS97(T=t + 273.15, P=0.101325)
    water += [str(t), number(state.rho, 2), number(_Viscosity(state.rho, t + 273.15) * 1e6, 1)]
lines.append("\t".join(["Water", "H2O, CAS 7732-18-5", "0", "100"] + water +
                       ["", "IAPWS-IF97 region 1 density and IAPWS 2008 viscosity at 1.01325 bar (python3-iapws)"]))

for wanted in LIQUIDS:
    block = compounds[wanted]
    M = float(value(block, "MolecularWeight"))
    tm = float(value(block, "NormalMeltingPointTemperature"))
    tb = float(value(block, "NormalBoilingPointTemperature"))
    deq, dc, dmin, dmax = correlation(block, "LiquidDensity")
    veq, vc, vmin, vmax = correlation(block, "LiquidViscosity")
    assert deq == "105" and veq == "101", wanted
    low = max(tm + 1, dmin, vmin) - 273.15
    high = min(tb - 1, dmax, vmax) - 273.15
    points = []
    for t in grid(low, high):
        T = t + 273.15
        rho = dc[0] / dc[1] ** (1 + (1 - T / dc[2]) ** dc[3]) * M  # kg/m³
        mu = math.exp(vc[0] + vc[1] / T + vc[2] * math.log(T) + vc[3] * T ** vc[4]) * 1e6
        points += [str(t), number(rho, 1), number(mu, 1 if mu < 1000 else 0)]
    assert len(points) >= 12, wanted
    name = "n-" + wanted[2:] if wanted.startswith("N-") else wanted
    name = {"O-xylene": "o-Xylene", "M-xylene": "m-Xylene", "P-xylene": "p-Xylene"}.get(name, name)
    name = name if re.match(r"^[a-z]-", name) else name[0].upper() + name[1:]
    cas = value(block, "CAS")
    lines.append("\t".join([name, f"{value(block, 'StructureFormula')}, CAS {cas}", number(tm - 273.15, 2),
                            number(tb - 273.15, 2)] + points +
                           ["", "ChemSep 8.32: Tm, Tb; density DIPPR 105 and viscosity DIPPR 101 fits to measured data"]))

with open(here / "medien.txt", "w", encoding="utf-8", newline="\n") as f:
    f.write("\n".join(lines) + "\n")
print(len(lines), "liquids")
