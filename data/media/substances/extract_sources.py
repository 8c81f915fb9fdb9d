#!/usr/bin/python3
"""Extracts the constants of the estimation substances from the published databanks.

Run once with the paths of the three sources (not needed by the build):
  extract_sources.py CHEMSEP.xml PUBCHEM_SMALL.tsv COOLPROP_FLUIDS_FOLDER
    ChemSep 8.32 pure-component databank (H. Kooijman, R. Taylor; Artistic licence 2.0), as shipped
      in CalebBell/chemicals, chemicals/Misc/ChemSep8.32.xml;
    molecular formulas by CAS number: CalebBell/chemicals,
      chemicals/Identifiers/chemical identifiers pubchem small.tsv (from PubChem);
    CoolProp fluid files dev/fluids/*.json (MIT licence): refrigerant numbers, and the critical
      point, acentric factor, triple point, vapour-pressure and liquid-density ancillaries of the
      refrigerants that ChemSep does not hold.
Writes chemsep_extract.tsv and coolprop_extract.tsv beside this script; build_substances.py turns
them into stbere.txt.
"""
import glob
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))


def parse_structure(text):
    """Element counts of a condensed structure formula such as "CH3(CH2)4CH3" or "-S(CH)4-"."""
    text = text.replace("-", "").replace("=", "").replace(" ", "")
    pos = 0

    def group():
        nonlocal pos
        counts = {}
        while pos < len(text):
            if text[pos] == "(":
                pos += 1
                inner = group()
                m = re.match(r"\d+", text[pos:])
                k = int(m.group()) if m else 1
                pos += len(m.group()) if m else 0
                for e, n in inner.items():
                    counts[e] = counts.get(e, 0) + n * k
            elif text[pos] == ")":
                pos += 1
                return counts
            else:
                m = re.match(r"[A-Z][a-z]?", text[pos:])
                if not m:
                    raise ValueError(text)
                element = m.group()
                pos += len(element)
                m = re.match(r"\d+", text[pos:])
                k = int(m.group()) if m else 1
                pos += len(m.group()) if m else 0
                counts[element] = counts.get(element, 0) + k
        return counts

    return group()


def hill(counts):
    """The formula in Hill order: C, H, then the other elements alphabetically."""
    first = ["C"] + (["H"] if "H" in counts else []) if "C" in counts else []
    order = first + sorted(e for e in counts if e not in first)
    return "".join(e + (str(counts[e]) if counts[e] > 1 else "") for e in order)


def chemsep(path, formulas):
    rows = []
    for c in ET.parse(path).getroot().findall("compound"):
        def value(tag):
            e = c.find(tag)
            return "" if e is None else e.get("value")

        def equation(tag):
            e = c.find(tag)
            if e is None:
                return [""] * 8
            get = lambda k: "" if e.find(k) is None else e.find(k).get("value")
            return [get("eqno"), get("A"), get("B"), get("C"), get("D"), get("E"), get("Tmin"), get("Tmax")]

        cas = value("CAS")
        try:
            formula = hill(parse_structure(value("StructureFormula")))
        except ValueError:
            formula = ""
        formula = formulas.get(cas, formula)  # PubChem's where it has the compound
        rows.append([cas, value("CompoundID"), formula, value("MolecularWeight"),
                     value("NormalMeltingPointTemperature"), value("NormalBoilingPointTemperature"),
                     value("CriticalTemperature"), value("CriticalPressure"), value("CriticalVolume"),
                     value("AcentricityFactor"), value("RacketParameter")] +
                    equation("LiquidDensity") + equation("LiquidViscosity"))
    head = ["CAS", "name", "formula", "M_kg_kmol", "Tm_K", "Tb_K", "Tc_K", "Pc_Pa", "Vc_m3_kmol", "omega", "ZRA",
            "rho_eq", "rho_A", "rho_B", "rho_C", "rho_D", "rho_E", "rho_Tmin", "rho_Tmax",
            "mu_eq", "mu_A", "mu_B", "mu_C", "mu_D", "mu_E", "mu_Tmin", "mu_Tmax"]
    with open(os.path.join(HERE, "chemsep_extract.tsv"), "w", encoding="utf-8") as out:
        out.write("# ChemSep 8.32 databank (Kooijman & Taylor, Artistic licence 2.0): constants, DIPPR liquid density\n")
        out.write("# (eq. 105, kmol/m³) and liquid viscosity (eq. 101, Pa·s); formula by CAS from PubChem, else from\n")
        out.write("# ChemSep's structure formula.\n")
        out.write("\t".join(head) + "\n")
        for r in rows:
            out.write("\t".join(r) + "\n")


def refrigerant_number(info):
    candidates = [info["NAME"]] + info.get("ALIASES", [])
    for name in candidates:
        if re.fullmatch(r"R[CE]?\d+[A-Za-z]*(\([EZ]\))?", name):
            return name
    return ""


def coolprop(folder):
    with open(os.path.join(HERE, "coolprop_extract.tsv"), "w", encoding="utf-8") as out:
        out.write("# CoolProp fluid files (dev/fluids/*.json, MIT licence): refrigerant number, critical point,\n")
        out.write("# acentric factor, triple point and the ancillaries of p_sat and of the saturated liquid density\n")
        out.write("# (p = pc·exp(Tc/T·Σ n·θ^t), ρ' = ρc·(1 + Σ n·θ^t), θ = 1 − T/Tc), each as 'n;n;…|t;t;…'.\n")
        out.write("\t".join(["CAS", "name", "refrigerant", "formula", "M_kg_mol", "Tc_K", "pc_Pa", "rhoc_mol_m3",
                             "omega", "Ttriple_K", "ps_Tr", "ps_pr", "ps_nt", "rhoL_Tr", "rhoL_rhor", "rhoL_nt",
                             "EOS"]) + "\n")
        for f in sorted(glob.glob(os.path.join(folder, "*.json"))):
            d = json.load(open(f))
            info, eos = d["INFO"], d["EOS"][0]
            ps, rho = d["ANCILLARIES"].get("pS"), d["ANCILLARIES"].get("rhoL")
            if not ps or not rho or not re.fullmatch(r"\d+-\d+-\d", info.get("CAS", "")):
                continue
            crit = d["STATES"]["critical"]
            nt = lambda a: ";".join(map(repr, a["n"])) + "|" + ";".join(map(repr, a["t"]))
            formula = (info.get("FORMULA") or "").replace("_{", "").replace("}", "")
            out.write("\t".join([info["CAS"], info["NAME"], refrigerant_number(info), formula,
                                 repr(eos["molar_mass"]), repr(crit["T"]), repr(crit["p"]), repr(crit["rhomolar"]),
                                 repr(eos["acentric"]), repr(eos["Ttriple"]), repr(ps["T_r"]),
                                 repr(ps["reducing_value"]), nt(ps), repr(rho["T_r"]), repr(rho["reducing_value"]),
                                 nt(rho), eos.get("BibTeX_EOS", "")]) + "\n")


def main():
    chemsep_xml, pubchem, folder = sys.argv[1:4]
    formulas = {}
    for line in open(pubchem, encoding="utf-8"):
        fields = line.split("\t")
        formulas[fields[1]] = fields[2]
    chemsep(chemsep_xml, formulas)
    coolprop(folder)


if __name__ == "__main__":
    main()
