#!/usr/bin/python3
"""The 42 surfaces of the roughness dialog and their absolute roughness k in mm.

The program holds each edition's value list in its own order; the caption block lists the
descriptions line by line in that order, one column per language. This script keeps the surfaces
once (in the order of the German and Dutch editions, with German, English, French and Dutch text),
places them in the English and French orders by their values, and prints the block's 42 lines.

Values: I. E. Idelchik, Handbook of Hydraulic Resistance, 3rd ed. (1994), Table 2-5 (as tabulated in
python3-fluids, fluids.friction.HHR_roughness), each value inside the range Idelchik gives for the
surface; plastic pipes from the plastic-pipe makers' design guidance (0,0015 - 0,007 mm new).
Run: /usr/bin/python3 data/roughness/surfaces.py > /tmp/block.txt
"""

SURFACES = [  # (k as the German edition writes it, German, English, French, Dutch)
    ("0,0015", "Kupfer, Messing, Aluminium, gezogen, neu", "Drawn copper, brass, aluminium, new", "Cuivre, laiton, aluminium étirés, neufs", "Koper, messing, aluminium, getrokken, nieuw"),
    ("0,03", "Kupfer, Messing, Aluminium, gezogen, gebraucht", "Drawn copper, brass, aluminium, used", "Cuivre, laiton, aluminium étirés, usagés", "Koper, messing, aluminium, getrokken, gebruikt"),
    ("0,1", "Stahlrohr nahtlos, neu", "Seamless steel pipe, new", "Tube acier sans soudure, neuf", "Naadloze stalen buis, nieuw"),
    ("0,8", "Stahlrohr nahtlos, nach Jahren allgemein korrodiert", "Seamless steel pipe, generally corroded after years", "Tube acier sans soudure, corrodé après des années", "Naadloze stalen buis, na jaren algemeen gecorrodeerd"),
    ("2,0", "Stahlrohr geschweißt, stark korrodiert", "Welded steel pipe, heavily corroded", "Tube acier soudé, fortement corrodé", "Gelaste stalen buis, sterk gecorrodeerd"),
    ("3,0", "Stahlrohr mit erheblichen Ablagerungen", "Steel pipe with appreciable deposits", "Tube acier avec dépôts importants", "Stalen buis met aanzienlijke afzettingen"),
    ("0,3", "Stahlrohr, gebraucht, mäßig korrodiert", "Steel pipe, used, moderately corroded", "Tube acier usagé, moyennement corrodé", "Stalen buis, gebruikt, matig gecorrodeerd"),
    ("0,15", "Stahlrohr geschweißt, gebraucht, gleichmäßig korrodiert", "Welded steel pipe, used, uniformly corroded", "Tube acier soudé usagé, corrosion uniforme", "Gelaste stalen buis, gebruikt, gelijkmatig gecorrodeerd"),
    ("0,15", "Stahlrohr verzinkt", "Galvanised steel pipe", "Tube acier galvanisé", "Verzinkte stalen buis"),
    ("0,8", "Druckluftleitung aus Stahl", "Steel compressed-air line", "Conduite d'air comprimé en acier", "Persluchtleiding van staal"),
    ("0,0015", "Kunststoffrohr (PE, PVC, PP), neu", "Plastic pipe (PE, PVC, PP), new", "Tube plastique (PE, PVC, PP), neuf", "Kunststof buis (PE, PVC, PP), nieuw"),
    ("0,03", "Kunststoffrohr, gebraucht", "Plastic pipe, used", "Tube plastique, usagé", "Kunststof buis, gebruikt"),
    ("0,0016", "Edelstahlrohr, gezogen, blank", "Stainless steel tube, drawn, bright", "Tube inox étiré, brillant", "RVS buis, getrokken, blank"),
    ("0,6", "Asbestzementrohr, gebraucht", "Asbestos cement pipe, used", "Tube fibrociment, usagé", "Asbestcementbuis, gebruikt"),
    ("0,13", "Gusseisenrohr, asphaltiert", "Cast iron pipe, asphalted", "Tube fonte asphalté", "Gietijzeren buis, geasfalteerd"),
    ("1,5", "Gusseisenrohr, gebraucht, korrodiert", "Cast iron pipe, used, corroded", "Tube fonte usagé, corrodé", "Gietijzeren buis, gebruikt, gecorrodeerd"),
    ("3,0", "Gusseisenrohr, stark korrodiert", "Cast iron pipe, severely corroded", "Tube fonte fortement corrodé", "Gietijzeren buis, sterk gecorrodeerd"),
    ("1,5", "Zementrohr, unbearbeitet", "Cement pipe, unfinished", "Tube ciment brut", "Cementbuis, onbewerkt"),
    ("1,2", "Stahlwasserleitung, gebraucht", "Steel water pipe, used", "Conduite d'eau en acier, usagée", "Stalen waterleiding, gebruikt"),
    ("1,0", "Holzrohr, Bretter ungehobelt", "Wooden pipe, undressed boards", "Conduite en bois, planches brutes", "Houten buis, ongeschaafde planken"),
    ("0,1", "Asbestzementrohr, neu", "Asbestos cement pipe, new", "Tube fibrociment, neuf", "Asbestcementbuis, nieuw"),
    ("0,0015", "Glasrohr", "Glass pipe", "Tube de verre", "Glazen buis"),
    ("0,03", "Sperrholzrohr, Birke, Faser längs", "Birch plywood pipe, grain lengthwise", "Tube contreplaqué bouleau, fil en long", "Berken multiplex buis, vezel in lengterichting"),
    ("0,0015", "Stahlrohr, glasemailliert", "Steel pipe, glass-enamelled", "Tube acier émaillé", "Stalen buis, geëmailleerd"),
    ("0,03", "Stahlrohr nahtlos, nach Jahren gereinigt", "Seamless steel pipe, cleaned after years of use", "Tube acier sans soudure, nettoyé après usage", "Naadloze stalen buis, na jaren gereinigd"),
    ("0,0014", "Messingrohr, handelsüblich glatt", "Brass pipe, commercially smooth", "Tube laiton, lisse du commerce", "Messing buis, handelsglad"),
    ("0,03", "Stahlrohr nahtlos, bitumiert", "Seamless steel pipe, bituminised", "Tube acier sans soudure, bitumé", "Naadloze stalen buis, gebitumineerd"),
    ("0,15", "Holzrohr, Bretter sorgfältig gehobelt", "Wooden pipe, thoroughly dressed boards", "Conduite en bois, planches bien rabotées", "Houten buis, zorgvuldig geschaafde planken"),
    ("0,40", "Stahlrohr nahtlos, mäßig korrodiert", "Seamless steel pipe, moderately corroded", "Tube acier sans soudure, moyennement corrodé", "Naadloze stalen buis, matig gecorrodeerd"),
    ("4,0", "Genietetes Stahlrohr, mehrreihig, überlappte Stöße", "Riveted steel pipe, several rows, lapped joints", "Tube acier riveté, plusieurs rangées, joints à recouvrement", "Geklonken stalen buis, meerdere rijen, overlappende naden"),
    ("0,20", "Stahlrohr, Heißwasser-Heizungsleitung", "Steel pipe, hot-water heating line", "Tube acier, conduite de chauffage à eau chaude", "Stalen buis, warmwaterverwarmingsleiding"),
    ("0,06", "Stahlrohr geschweißt, neu, guter Zustand", "Welded steel pipe, new, good condition", "Tube acier soudé, neuf, bon état", "Gelaste stalen buis, nieuw, goede staat"),
    ("0,04", "Stahlblech, nicht geölt", "Steel sheet, not oiled", "Tôle d'acier non huilée", "Staalplaat, niet geolied"),
    ("0,06", "Stahl-Futterrohr, Gasbohrung", "Steel casing, gas well", "Tubage acier, puits de gaz", "Stalen mantelbuis, gasbron"),
    ("0,10", "Stahlrohr, Dampf-/Wasserleitung mit Entgasung", "Steel pipe, steam or water line with deaeration", "Tube acier, vapeur ou eau dégazée", "Stalen buis, stoom- of waterleiding met ontgassing"),
    ("0,16", "Stahlwasserleitung, von Rost gereinigt", "Steel water pipe, cleaned of rust", "Conduite d'eau en acier, dérouillée", "Stalen waterleiding, van roest ontdaan"),
    ("0,1", "Stahlrohr geschweißt, bitumiert, gebraucht", "Welded steel pipe, bituminised, used", "Tube acier soudé bitumé, usagé", "Gelaste stalen buis, gebitumineerd, gebruikt"),
    ("0,05", "Stahlrohr geschweißt, neu, bitumiert", "Welded steel pipe, new, bituminised", "Tube acier soudé neuf, bitumé", "Gelaste stalen buis, nieuw, gebitumineerd"),
    ("0,008", "Glasrohr, gebraucht", "Glass pipe, used", "Tube de verre, usagé", "Glazen buis, gebruikt"),
    ("0,25", "Stahlbetonrohr, neu", "Reinforced concrete pipe, new", "Tube béton armé, neuf", "Gewapend betonbuis, nieuw"),
    ("0,7", "Holzrohr, Bretter ungehobelt, gefügt", "Wooden pipe, undressed boards, fitted", "Conduite en bois, planches brutes ajustées", "Houten buis, ongeschaafde planken, gevoegd"),
    ("9,0", "Genietetes Stahlrohr, sehr schlechte Oberfläche", "Riveted steel pipe, very poor surface", "Tube acier riveté, surface très mauvaise", "Geklonken stalen buis, zeer slecht oppervlak"),
]

# The value lists of the editions, in their order (the program's fixed lists).
D = "0,0015 0,03 0,1 0,8 2,0 3,0 0,3 0,15 0,15 0,8 0,0015 0,03 0,0016 0,6 0,13 1,5 3,0 1,5 1,2 1,0 0,1 0,0015 0,03 0,0015 0,03 0,0014 0,03 0,15 0,40 4,0 0,20 0,06 0,04 0,06 0,10 0,16 0,1 0,05 0,008 0,25 0,7 9,0".split()
E = "0.0015 0.03 0.1 0.0014 0.03 1.2 3.0 0.13 0.6 1.5 1.5 9.0 0.7 2.0 3.0 0.8 0.3 0.15 0.8 0.15 0.0015 0.03 0.0015 0.03 0.0015 0.3 0.0016 0.20 0.15 4.0 0.40 0.05 0.008 0.1 0.16 0.10 0.04 0.06 0.06 0.25 0.1 1.0".split()
F = "0,20 0,15 0,40 4,0 0,16 0,06 0,06 0,10 0,04 0,05 0,008 0,1 0,0015 0,03 0,1 0,3 0,8 2,0 3,0 0,15 0,8 0,15 1,0 0,1 0,0016 0,0015 0,03 3,0 1,5 0,6 0,13 1,2 1,5 0,0014 0,03 0,25 0,0015 0,03 9,0 0,7 0,0015 0,03".split()


def value(text):
    return float(text.replace(",", "."))


# The English list holds one value 0.3 more and one 0.03 less than the others: its extra 0.3 mm
# surface is this one (Idelchik: cleaned cast iron 0.3 - 1.5 mm).
EXTRA_ENGLISH = {0.3: "Cast iron pipe, cleaned after years of use"}


def order(values, column, extra=None):
    """The descriptions of one language in the order of a value list: each value takes the first
    unused surface with that value."""
    used = set()
    texts = []
    for v in values:
        found = [i for i, s in enumerate(SURFACES) if i not in used and abs(value(s[0]) - value(v)) < 1e-12]
        if found:
            used.add(found[0])
            texts.append(SURFACES[found[0]][column])
        else:
            texts.append(extra[value(v)])
    return texts


def main():
    assert [s[0] for s in SURFACES] == D, "the surfaces must be in the German edition's order"
    english, french = order(E, 2, EXTRA_ENGLISH), order(F, 3)
    for i in range(42):
        print("\t".join(["TRauhigkeitDlg", f"Surface{i + 1}", "", SURFACES[i][1], english[i], french[i], SURFACES[i][4]]))


if __name__ == "__main__":
    main()
