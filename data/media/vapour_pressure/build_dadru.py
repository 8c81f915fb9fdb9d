#!/usr/bin/python3
"""Writes dadru.txt, the source of DADRU.DAD, from published compilations.

Inputs (files of the CalebBell/chemicals repository, MIT; the ChemSep databank inside it is
Artistic 2.0), given as the folder of a checkout:
  Vapor Pressure/Wagner Original McGarry.tsv   Wagner coefficients A..D, Tc, Pc, Tmin (McGarry,
                                               Ind. Eng. Chem. Process Des. Dev. 22 (1983) 313,
                                               as tabulated by Reid, Prausnitz and Poling, 4th ed.)
  Density/COSTALD Parameters.tsv               Rackett parameter Z_RA (Spencer and Danner, as
                                               tabulated by Reid, Prausnitz and Poling)
  Density/Perry Parameters 105.tsv             DIPPR 105 saturated-liquid density (Perry's
                                               Handbook, 8th ed., table 2-32), for the reference
                                               density rho_R at T_R
  Misc/ChemSep8.32.xml                         name, formula, molar mass, melting and boiling point

Water has no DIPPR 105 line; its reference density is the IAPWS-IF97 saturated liquid at 25 °C,
0.997047 g/cm³ (IAPWS-IF97, table of saturation states).

One line per substance, TAB-separated: the 17 fields the program reads, then field 18 naming the
sources. Usage: /usr/bin/python3 build_dadru.py CHEMICALS_FOLDER
"""
import csv
import math
import re
import sys
from pathlib import Path

root = Path(sys.argv[1]) / "chemicals"
here = Path(__file__).resolve().parent


def table(relative):
    with open(root / relative, encoding="utf-8") as f:
        return {row["CAS"]: row for row in csv.DictReader(f, delimiter="\t")}


wagner = table("Vapor Pressure/Wagner Original McGarry.tsv")
costald = table("Density/COSTALD Parameters.tsv")
perry = table("Density/Perry Parameters 105.tsv")

chemsep = {}
xml = (root / "Misc/ChemSep8.32.xml").read_text(encoding="utf-8", errors="replace")
for block in xml.split("<compound>")[1:]:
    def value(tag):
        m = re.search(r"<%s [^>]*value=\"([^\"]*)\"" % tag, block)
        return m.group(1) if m else None
    cas = value("CAS")
    if cas:
        chemsep[cas] = dict(name=value("CompoundID"), formula=value("StructureFormula"),
                            M=value("MolecularWeight"), Tm=value("NormalMeltingPointTemperature"),
                            Tb=value("NormalBoilingPointTemperature"))

WATER = "7732-18-5"
# Helium is left out: the Rackett form does not describe the quantum liquid.
SKIP = {"7440-59-7"}


def dippr105(row, T):
    c1, c2, c3, c4 = (float(row[k]) for k in ("C1", "C2", "C3", "C4"))
    return c1 / c2 ** (1 + (1 - T / c3) ** c4)  # mol/m³


def number(x, digits):
    text = f"{x:.{digits}f}"
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text if text not in ("-0", "") else "0"


rows = []
for cas, w in wagner.items():
    if cas in SKIP or cas not in costald or cas not in chemsep:
        continue
    if not chemsep[cas]["Tb"] or not chemsep[cas]["Tm"]:
        continue
    if cas != WATER and cas not in perry:
        continue
    cs = chemsep[cas]
    tc = float(w["Tc"])
    pc = float(w["Pc"]) / 1e5  # bar
    tmin = int(math.ceil(float(w["Tmin"])))
    tmax = int(math.floor(tc)) - 1  # the Wagner form holds up to Tc, the Rackett density below it
    M = float(cs["M"])
    tm = float(cs["Tm"]) - 273.15
    tb = float(cs["Tb"]) - 273.15
    if cas == WATER:
        rho_r, t_r, density_source = 0.997047, 298.15, "IAPWS-IF97 saturated liquid at 25 °C"
    else:
        p = perry[cas]
        t_r = 298.15
        if not (float(p["Tmin"]) <= t_r <= float(p["Tmax"])) or t_r > 0.9 * tc:
            t_r = round(float(cs["Tb"]), 2)
        rho_r = dippr105(p, t_r) * M / 1e6  # g/cm³
        density_source = "DIPPR 105 (Perry 8th ed. table 2-32) at T_R"
    name = cs["name"]
    if re.match(r"^([MNOP]|Cis|Trans)-", name):
        name = name[0].lower() + name[1:]  # n-hexane, m-xylene, cis-2-butene
    elif not re.match(r"^(m|o|p|n|cis|trans)-", name):
        name = name[0].upper() + name[1:]
    source = (f"CAS {cas}; Wagner coefficients, Tc, pc, Tmin: McGarry (1983) in Reid/Prausnitz/Poling; "
              f"Z_RA: Spencer-Danner (COSTALD table); rho_R: {density_source}; M, Tm, Tb: ChemSep 8.32")
    formula = "H2O" if cas == WATER else (cs["formula"] or "")
    rows.append([name, formula, number(M, 3), number(tm, 2), number(tb, 2), "1",
                 w["A"], w["B"], w["C"], w["D"], str(tmin), str(tmax), number(tc, 2), number(pc, 4),
                 number(rho_r, 5), number(t_r, 2), costald[cas]["Z_RA"], source])

# Water first: the program opens the list on its first substance.
rows.sort(key=lambda r: (r[0] != "Water", r[0].lower()))
with open(here / "dadru.txt", "w", encoding="utf-8", newline="\n") as f:
    for r in rows:
        f.write("\t".join(r) + "\n")
print(len(rows), "substances")
