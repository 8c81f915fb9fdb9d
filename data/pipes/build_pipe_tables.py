#!/usr/bin/python3
"""Writes the readable sources of the pipe tables (rohre.txt, rohrea.txt, rohreo.txt, rechteck.txt).

Every standard sits in a fixed block of lines of its file (the program finds it by line number).
The line just above each block is a title line "#<number> <standard> | <source>" naming the
published source; the tests find every block's title there, so a line inserted above a block
fails them. Lines outside the blocks are never read as data. A block may end early: its unused
lines stay empty.

Run with /usr/bin/python3 after changing a table, and commit what it writes. The American page is
taken from python3-fluids' transcription of ASME B36.10M / B36.19M and the ASTM plastic standards
(converted back to the standards' inch values), ASTM B88 from its own table below.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import european_tables as eu  # noqa: E402
import other_tables as ot  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def num(value, decimals=None):
    """A number as the files write it: decimal comma, no needless zeros."""
    if value is None:
        return ""
    if isinstance(value, str):
        return value
    if isinstance(value, int):
        return str(value)
    # Millimetres with at least one decimal, as the standards print them (2,0; 273,0; 1,65).
    text = f"{value:.{decimals if decimals is not None else 3}f}".rstrip("0")
    if text.endswith("."):
        text += "0"
    return text.replace(".", ",")


def series_thicknesses(series, lo, hi):
    return [t for t in series if lo - 1e-9 <= t <= hi + 1e-9]


class FileBuilder:
    def __init__(self, header):
        self.lines = {}
        for i, text in enumerate(header, start=1):
            self.lines[i] = text

    def block(self, number, first, last, title, source, rows):
        """A block under its title line; title None for a block that follows its standard's first
        block directly (the rectangular shapes after the square ones)."""
        if title is not None:
            if first - 1 in self.lines:
                raise SystemExit(f"line {first - 1} is taken, no room for the title of block {number}")
            self.lines[first - 1] = f"#{number} {title} | {source}"
        if len(rows) > last - first + 1:
            raise SystemExit(f"block {number} has {len(rows)} lines, room for {last - first + 1}")
        for i, row in enumerate(rows):
            self.lines[first + i] = "\t".join(num(f) for f in row).rstrip("\t") if row else ""

    def write(self, path, total):
        top = max(max(self.lines), total)
        with open(path, "w", encoding="utf-8") as out:
            for i in range(1, top + 1):
                out.write(self.lines.get(i, "") + "\n")


def european():
    b = FileBuilder(["# Velmora pipe tables, European page: circular pipes to European and German standards.",
                     "# Sizes in mm. Each block of lines belongs to one standard; its title line is just above it."])
    seamless = [(od, s, series_thicknesses(eu.EN10220_T, lo, hi)) for od, s, lo, hi, _, _ in eu.EN10220_OD if lo]
    welded = [(od, s, series_thicknesses(eu.EN10220_T, lo, hi)) for od, s, _, _, lo, hi in eu.EN10220_OD]
    b.block(1, 503, 583, "EN 10220 seamless steel tubes (EN 10216)",
            "EN 10220:2002 Table 1, series 1-3; walls of its thickness series",
            [[od, str(s)] + t for od, s, t in seamless])
    b.block(2, 590, 670, "EN 10220 welded steel tubes (EN 10217)",
            "EN 10220:2002 Table 2, series 1-3; walls of its thickness series",
            [[od, str(s)] + t for od, s, t in welded])
    b.block(3, 677, 725, "DIN 2448 seamless steel tubes", "DIN 2448:1981 Table 1 (normal and heavier walls)",
            [[od] + t for od, t in eu.DIN2448])
    b.block(4, 731, 771, "DIN 2458 welded steel tubes", "DIN 2458:1981 Table 1 (normal and heavier walls)",
            [[od] + t for od, t in eu.DIN2458])
    b.block(5, 442, 494, "EN ISO 1127 stainless steel tubes", "EN ISO 1127:1996 Table 1, series 1-3",
            [[od, str(s)] + series_thicknesses(eu.ISO1127_T, lo, hi) for od, s, lo, hi in eu.ISO1127_OD])
    b.block(6, 778, 791, "EN 10305-3 press-fitting steel tubes", "EN 10305-3:2016, sizes of the press-fitting systems (EN 10305-3 Table 4)",
            [[od, s] for od, s in eu.EN10305_3])
    b.block(7, 797, 810, "EN 253 district heating service pipe", "EN 253:2019 Table 2, minimum wall of the steel service pipe",
            [[od, s] for od, s in eu.EN253])
    b.block(9, 44, 58, "EN 10255 series M (DIN 2440)", "EN 10255:2004 Table 2, medium series",
            [["DN", "Da", "s"]] + [[dn, od, m] for dn, od, m, _ in eu.EN10255])
    b.block(10, 63, 77, "EN 10255 series H (DIN 2441)", "EN 10255:2004 Table 2, heavy series",
            [["DN", "Da", "s"]] + [[dn, od, h] for dn, od, _, h in eu.EN10255])
    b.block(11, 81, 101, "DIN 2448 by nominal size", "DIN 2448:1981, nominal sizes with the normal wall",
            [["DN", "Da", "s"]] + [list(r) for r in eu.DIN2448_DN])
    b.block(13, 383, 396, "DIN 2458 by nominal size", "DIN 2458:1981, nominal sizes with the normal wall",
            [["DN", "Da", "s"]] + [list(r) for r in eu.DIN2458_DN])
    b.block(14, 815, 830, "EN 10357 series A (DIN 11850 series 2)", "EN 10357:2013 Table 1 series A",
            [["DN", "Da", "s"]] + [list(r) for r in eu.EN10357_A])
    b.block(15, 835, 850, "EN 10312 stainless press-fitting tubes", "EN 10312:2002 series 2",
            [["DN", "Da", "s"]] + [list(r) for r in eu.EN10312])
    b.block(16, 855, 866, "EN 10357 series C (OD tubes)", "EN 10357:2013 Table 1 series C (= ASME BPE tube sizes)",
            [["DN", "Da", "s"]] + [list(r) for r in eu.EN10357_C])

    def pe_rows(sdrs):
        rows = []
        for d in eu.PE_SIZES:
            cells = [eu.PE_E[sdr].get(d) for sdr in sdrs]
            if any(c is not None for c in cells):
                rows.append([str(d), float(d)] + cells)
        return rows

    pe100 = [(6, 26), (8, 21), (10, 17), (12.5, 13.6), (16, 11), (20, 9), (25, 7.4)]
    pe80 = [(5, 26), (6, 21), (8, 17), (10, 13.6), (12.5, 11), (16, 9), (20, 7.4)]
    b.block(17, 948, 980, "PE 100 pressure pipes EN 12201-2", "EN 12201-2:2011 Table 2 (PE 100, MRS 10, C = 1,25)",
            [["DN", "Da"] + [p for p, _ in pe100]] + pe_rows([s for _, s in pe100]))
    b.block(18, 986, 1017, "PE 80 pressure pipes EN 12201-2", "EN 12201-2:2011 Table 2 (PE 80, MRS 8, C = 1,25)",
            [["DN", "Da"] + [p for p, _ in pe80]] + pe_rows([s for _, s in pe80])[:31])
    sdrs = [26, 21, 17, 13.6, 11, 9, 7.4]
    b.block(21, 401, 435, "PE pipes by SDR (ISO 4065)", "ISO 4065:1996 dimension series as used by EN 12201-2 and DIN 8074",
            [["DN", "Da"] + sdrs] + pe_rows(sdrs))
    pp = [(10, 11), (16, 7.4), (20, 6)]
    b.block(29, 294, 310, "PP-R pipes DIN 8077", "DIN 8077:2008 / EN ISO 15874-2, PP-R for hot and cold water",
            [["DN", "Da"] + [p for p, _ in pp]] + [[str(d), float(d), a, c, e] for d, a, c, e in eu.PPR])
    b.block(36, 345, 360, "Copper tubes EN 1057 R250", "EN 1057:2006+A1:2010 Table 3, half-hard tubes for installations",
            [["DN", "Da", "s"]] + [list(r) for r in eu.EN1057_R250])
    b.block(37, 364, 379, "Copper tubes EN 1057 R220", "EN 1057:2006+A1:2010 Table 3, soft coils",
            [["DN", "Da", "s"]] + [list(r) for r in eu.EN1057_R220])
    # Blocks not yet supplied keep their title line, so that every block's place is marked.
    for number, (first, last) in {8: (10, 39), 12: (106, 114), 19: (1023, 1055), 20: (1061, 1093),
                                  22: (155, 168), 23: (172, 186), 24: (190, 198), 25: (203, 212),
                                  26: (216, 247), 27: (912, 942), 28: (252, 289), 30: (314, 319),
                                  31: (323, 329), 32: (333, 341), 33: (872, 882), 34: (888, 894),
                                  35: (900, 905)}.items():
        b.block(number, first, last, "(not supplied yet)", "-", [])
    b.write(os.path.join(HERE, "rohre.txt"), 1093)


def main():
    european()
    ot.write_other(FileBuilder, os.path.join(HERE, "rohreo.txt"))
    ot.write_american(FileBuilder, os.path.join(HERE, "rohrea.txt"))
    ot.write_rectangular(FileBuilder, os.path.join(HERE, "rechteck.txt"), num)


if __name__ == "__main__":
    main()
