"""Pipe tables of the other page (rohreo.nfk) and of the American page (rohrea.nfk)."""
from fractions import Fraction

import fluids.piping as fp

# ---- other page: copper and copper-nickel tubes (mm) -------------------------------------------

# Copper-nickel CuNi10Fe1,6Mn tubes for sea-water lines, DIN 86019: DN, Do, wall.
DIN86019 = [("6", 10.0, 1.0), ("8", 12.0, 1.0), ("10", 16.0, 1.0), ("15", 20.0, 1.0), ("20", 25.0, 1.5),
            ("25", 30.0, 1.5), ("32", 38.0, 1.5), ("40", 44.5, 1.5), ("50", 57.0, 1.5), ("65", 76.1, 2.0),
            ("80", 88.9, 2.0), ("100", 108.0, 2.5), ("125", 133.0, 2.5), ("150", 159.0, 2.5),
            ("200", 219.1, 3.0), ("250", 267.0, 3.0), ("300", 323.9, 4.0)]
# British copper tubes to BS EN 1057 R250, "Table X" (the former BS 2871-1 Table X) and "Table Y".
TABLE_X = [(6, 0.6), (8, 0.6), (10, 0.6), (12, 0.6), (15, 0.7), (22, 0.9), (28, 0.9), (35, 1.2), (42, 1.2),
           (54, 1.2), (67, 1.2), (76.1, 1.5), (108, 1.5), (133, 1.5), (159, 2.0)]
TABLE_Y = [(6, 0.8), (8, 0.8), (10, 0.8), (12, 0.8), (15, 1.0), (22, 1.2), (28, 1.2), (35, 1.5), (42, 1.5),
           (54, 2.0), (67, 2.0), (76.1, 2.0), (108, 2.5)]


def write_other(FileBuilder, path):
    b = FileBuilder(["# Velmora pipe tables, other page: copper and copper-nickel tubes, sizes in mm."])
    b.block(1, 3, 20, "CuNi10Fe1,6Mn tubes DIN 86019", "DIN 86019:1991 Table 1",
            [["DN", "Da", "s"]] + [list(r) for r in DIN86019])
    b.block(2, 25, 41, "Copper tubes BS EN 1057 Table X", "BS EN 1057:2006 National Annex, Table X (R250)",
            [["DN", "Da", "s"]] + [[str(od).replace(".", ","), float(od), s] for od, s in TABLE_X])
    b.block(3, 46, 60, "Copper tubes BS EN 1057 Table Y", "BS EN 1057:2006 National Annex, Table Y",
            [["DN", "Da", "s"]] + [[str(od).replace(".", ","), float(od), s] for od, s in TABLE_Y])
    b.write(path, 60)


# ---- American page (inches) ---------------------------------------------------------------------

# Outside diameter of the iron pipe sizes (IPS) in inches, ASME B36.10M Table 1; from NPS 14 on the
# outside diameter equals the size.
IPS_OD = {0.125: 0.405, 0.25: 0.540, 0.375: 0.675, 0.5: 0.840, 0.75: 1.050, 1: 1.315, 1.25: 1.660,
          1.5: 1.900, 2: 2.375, 2.5: 2.875, 3: 3.500, 3.5: 4.000, 4: 4.500, 5: 5.563, 6: 6.625,
          8: 8.625, 10: 10.750, 12: 12.750}


def ips_od(nps):
    return IPS_OD.get(nps, float(nps))


def nps_text(nps):
    whole = int(nps)
    frac = Fraction(nps - whole).limit_denominator(16)
    if frac == 0:
        return str(whole)
    return f"{whole} {frac}" if whole else str(frac)


def inch(mm):
    """A wall of the standard in inches from its metric value (metric = inch x 25,4 to 0,01 mm)."""
    return round(mm / 25.4, 3)


def schedule_rows(columns, od_of=ips_od, limit=None):
    """columns: list of (heading, NPS list, wall list in mm)."""
    sizes = sorted({n for _, ns, _ in columns for n in ns})
    if limit:
        sizes = [n for n in sizes if limit[0] <= n <= limit[1]]
    rows = [["NPS", "Da"] + [h for h, _, _ in columns]]
    for n in sizes:
        cells = []
        for _, ns, ts in columns:
            cells.append(f"{inch(ts[ns.index(n)]):.3f}".replace(".", ",") if n in ns else None)
        rows.append([nps_text(n), f"{od_of(n):.3f}".replace(".", ",")] + cells)
    return rows


# ASTM B88 seamless copper water tube: nominal size, OD (nominal + 1/8 in.), walls of types K, L, M.
B88 = [(0.25, 0.375, 0.035, 0.030, None), (0.375, 0.500, 0.049, 0.035, 0.025),
       (0.5, 0.625, 0.049, 0.040, 0.028), (0.625, 0.750, 0.049, 0.042, None),
       (0.75, 0.875, 0.065, 0.045, 0.032), (1, 1.125, 0.065, 0.050, 0.035),
       (1.25, 1.375, 0.065, 0.055, 0.042), (1.5, 1.625, 0.072, 0.060, 0.049),
       (2, 2.125, 0.083, 0.070, 0.058), (2.5, 2.625, 0.095, 0.080, 0.065),
       (3, 3.125, 0.109, 0.090, 0.072), (3.5, 3.625, 0.120, 0.100, 0.083),
       (4, 4.125, 0.134, 0.110, 0.095), (5, 5.125, 0.160, 0.125, 0.109),
       (6, 6.125, 0.192, 0.140, 0.122), (8, 8.125, 0.271, 0.200, 0.170),
       (10, 10.125, 0.338, 0.250, 0.212), (12, 12.125, 0.405, 0.280, 0.254)]


def write_american(FileBuilder, path):
    b = FileBuilder(["# Velmora pipe tables, American page: sizes in inches.",
                     "# Schedule blocks: first line NPS, Da, then the schedules; each size: NPS, Do, walls.",
                     "# Walls are the standards' inch values (their metric values / 25,4, to 0,001 in.)."])
    cols = lambda names: [(h, getattr(fp, n), getattr(fp, t)) for h, n, t in names]  # noqa: E731
    b.block(1, 5, 30, "ASME B36.19M stainless steel pipe", "ASME B36.19M-2004 Table 1 (as in python3-fluids)",
            schedule_rows(cols([("5S", "NPSS5", "SS5t"), ("10S", "NPSS10", "SS10t"),
                                ("40S", "NPSS40", "SS40t"), ("80S", "NPSS80", "SS80t")])))
    b.block(2, 35, 65, "ASME B36.10M steel pipe, schedules", "ASME B36.10M-2004 Table 1 (as in python3-fluids)",
            schedule_rows(cols([(str(s), f"NPS{s}", f"S{s}t") for s in (10, 20, 30, 40, 60, 80, 100, 120, 140, 160)])))
    b.block(3, 69, 105, "ASME B36.10M steel pipe, weight classes", "ASME B36.10M-2004 Table 1 (as in python3-fluids)",
            schedule_rows(cols([("STD", "NPSSTD", "STDt"), ("XS", "NPSXS", "XSt"), ("XXS", "NPSXXS", "XXSt")])))
    b.block(4, 109, 126, "ASTM D1785 PVC pipe", "ASTM D1785-12 Table 1, NPS 1/4 to 12 (as in python3-fluids)",
            schedule_rows(cols([("40", "NPS_D1785", "S40t_D1785"), ("80", "NPS_D1785", "S80t_D1785"),
                                ("120", "NPS120_D1785", "S120t_D1785")]), limit=(0.25, 12)))
    c900_od = dict(zip(fp.NPS_C900, fp.SDR25o_C900))
    b.block(5, 129, 139, "AWWA C900 PVC pressure pipe (CI OD)", "AWWA C900-07 Table 2 (as in python3-fluids)",
            schedule_rows(cols([("DR25", "NPS_C900", "SDR25t_C900"), ("DR18", "NPS_C900", "SDR18t_C900"),
                                ("DR14", "NPS_C900", "SDR14t_C900")]), od_of=lambda n: inch(c900_od[n])))
    cts_od = dict(zip(fp.NPS_CTS_D2241, fp.o_CTS_D2241))
    b.block(6, 143, 149, "ASTM D2241 PVC pipe, CTS, SDR 11", "ASTM D2241-15 Table 2 (as in python3-fluids)",
            [["NPS", "Da", "s"]] + [[nps_text(n), f"{inch(cts_od[n]):.3f}".replace(".", ","), f"{inch(t):.3f}".replace(".", ",")]
                                    for n, t in zip(fp.NPS_CTS_D2241, fp.SDR11t_D2241CTS)])
    f2619 = cols([(f"DR{d}", f"NPSDR{k}_F2619", f"SDR{k}t_F2619IPS") for d, k in
                  (("32.5", "325"), ("26", "26"), ("21", "21"), ("17", "17"), ("13.5", "135"), ("11", "11"), ("9", "9"),
                   ("7", "7"))])
    f2619 = [(h.replace(".", ","), ns, ts) for h, ns, ts in f2619]
    f2619_od = dict(zip(fp.NPS_F2619, fp.o_F2619IPS))
    b.block(7, 153, 176, "ASTM F2619 PE pipe, IPS, NPS 1/2 to 24", "ASTM F2619-13 Table 1 (as in python3-fluids)",
            schedule_rows(f2619, od_of=lambda n: f2619_od[n] / 25.4, limit=(0.5, 24)))
    b.block(8, 180, 195, "ASTM F2619 PE pipe, IPS, NPS 26 to 65", "ASTM F2619-13 Table 1 (as in python3-fluids)",
            schedule_rows(f2619, od_of=lambda n: f2619_od[n] / 25.4, limit=(26, 65)))
    b.block(9, 199, 217, "ASTM D1527 ABS pipe", "ASTM D1527-99 Table 1 (as in python3-fluids)",
            schedule_rows(cols([("40", "NPS_D1527", "S40t_D1527"), ("80", "NPS_D1527", "S80t_D1527")])))
    d2680_od = dict(zip(fp.NPS_D2680, fp.SABSo_D2680))
    b.block(10, 221, 239, "ASTM D2680 ABS composite sewer pipe", "ASTM D2680-01 Table 1 (as in python3-fluids)",
            schedule_rows(cols([("ABS", "NPS_D2680", "SABSt_D2680")]), od_of=lambda n: inch(d2680_od[n])))
    dwv = [n for n in fp.NPS_D1527 if n in (1.25, 1.5, 2, 3, 4, 6)]
    b.block(11, 243, 249, "ASTM D2661 ABS DWV pipe (schedule 40 IPS)",
            "ASTM D2661-14: schedule 40 iron pipe sizes of ASTM D1527 (as in python3-fluids)",
            schedule_rows([("40", dwv, [fp.S40t_D1527[fp.NPS_D1527.index(n)] for n in dwv])]))
    # Types from the thinnest wall to the thickest, as every table of the page runs.
    rows = [["NPS", "Da", "M", "L", "K"]]
    for n, od, k, l, m in B88:
        rows.append([nps_text(n), f"{od:.3f}".replace(".", ",")] + [f"{w:.3f}".replace(".", ",") if w else None for w in (m, l, k)])
    b.block(12, 253, 271, "ASTM B88 copper water tube", "ASTM B88-16 Table 1, types M, L, K", rows)
    b.write(path, 271)


# ---- rectangular tables (mm) --------------------------------------------------------------------

# Cold-drawn precision square and rectangular steel tubes EN 10305-5 (formerly DIN 2395).
EN10305_5_SQUARE = [(10, [1.0, 1.5]), (12, [1.0, 1.5]), (15, [1.0, 1.5, 2.0]), (16, [1.0, 1.5, 2.0]),
                    (20, [1.0, 1.5, 2.0]), (25, [1.5, 2.0, 2.5]), (30, [1.5, 2.0, 2.5, 3.0]),
                    (35, [1.5, 2.0, 2.5, 3.0]), (40, [1.5, 2.0, 2.5, 3.0, 4.0]), (50, [2.0, 2.5, 3.0, 4.0]),
                    (60, [2.0, 2.5, 3.0, 4.0])]
EN10305_5_RECT = [((20, 10), [1.0, 1.5]), ((20, 15), [1.0, 1.5]), ((25, 10), [1.0, 1.5]), ((25, 15), [1.0, 1.5, 2.0]),
                  ((30, 10), [1.0, 1.5]), ((30, 15), [1.0, 1.5, 2.0]), ((30, 20), [1.0, 1.5, 2.0]),
                  ((35, 15), [1.5, 2.0]), ((35, 20), [1.5, 2.0]), ((40, 10), [1.5, 2.0]), ((40, 15), [1.5, 2.0]),
                  ((40, 20), [1.5, 2.0, 2.5, 3.0]), ((40, 25), [1.5, 2.0, 2.5]), ((40, 30), [1.5, 2.0, 2.5, 3.0]),
                  ((45, 25), [1.5, 2.0, 2.5]), ((50, 15), [1.5, 2.0]), ((50, 20), [1.5, 2.0, 2.5, 3.0]),
                  ((50, 25), [1.5, 2.0, 2.5, 3.0]), ((50, 30), [1.5, 2.0, 2.5, 3.0, 4.0]), ((50, 40), [2.0, 2.5, 3.0, 4.0]),
                  ((60, 20), [1.5, 2.0, 2.5, 3.0]), ((60, 30), [2.0, 2.5, 3.0, 4.0]), ((60, 40), [2.0, 2.5, 3.0, 4.0]),
                  ((70, 30), [2.0, 2.5, 3.0]), ((70, 40), [2.0, 2.5, 3.0, 4.0]), ((70, 50), [2.0, 3.0, 4.0]),
                  ((80, 20), [2.0, 3.0]), ((80, 40), [2.0, 2.5, 3.0, 4.0]), ((80, 60), [2.0, 3.0, 4.0]),
                  ((90, 50), [2.0, 3.0, 4.0]), ((100, 40), [2.0, 3.0, 4.0]), ((100, 50), [2.0, 3.0, 4.0, 5.0]),
                  ((100, 60), [2.0, 3.0, 4.0, 5.0]), ((100, 80), [3.0, 4.0, 5.0])]
# Hollow sections DIN 59411 (now EN 10219-2): square sizes, and the rectangular sizes with six walls
# of their range as FreeCAD's EN 10210/10219 profile table lists them.
DIN59411_SQUARE = [(40, [2.6, 3.2, 4.0, 5.0]), (50, [3.2, 4.0, 5.0, 6.3]), (60, [3.2, 4.0, 5.0, 6.3, 8.0]),
                   (70, [3.6, 4.0, 5.0, 6.3, 8.0]), (80, [3.6, 4.0, 5.0, 6.3, 8.0]), (90, [3.6, 4.0, 5.0, 6.3, 8.0]),
                   (100, [4.0, 5.0, 6.3, 8.0, 10.0]), (120, [5.0, 6.3, 8.0, 10.0, 12.5]),
                   (140, [5.0, 6.3, 8.0, 10.0, 12.5]), (150, [5.0, 6.3, 8.0, 10.0, 12.5]),
                   (160, [5.0, 6.3, 8.0, 10.0, 12.5]), (180, [6.3, 8.0, 10.0, 12.5, 16.0]),
                   (200, [6.3, 8.0, 10.0, 12.5, 16.0]), (220, [6.3, 8.0, 10.0, 12.5, 16.0]),
                   (250, [6.3, 8.0, 10.0, 12.5, 16.0])]
DIN59411_RECT = [((50, 30), [2.9, 3.2, 3.6, 4.0, 5.0, 6.3]), ((60, 40), [2.9, 3.2, 4.0, 5.0, 6.3, 8.0]),
                 ((80, 40), [2.9, 3.2, 4.0, 5.0, 6.3, 8.0]), ((90, 50), [3.0, 3.6, 4.0, 5.0, 6.3, 8.0]),
                 ((100, 50), [3.2, 4.0, 5.0, 6.3, 8.0, 10.0]), ((100, 60), [3.2, 4.0, 5.0, 6.3, 8.0, 10.0]),
                 ((120, 60), [3.6, 4.0, 5.0, 6.3, 8.0, 10.0]), ((120, 80), [3.6, 4.0, 5.0, 6.3, 8.0, 10.0]),
                 ((150, 100), [4.0, 5.0, 6.3, 8.0, 10.0, 12.5]), ((160, 80), [4.0, 5.0, 6.3, 8.0, 10.0, 12.5]),
                 ((180, 60), [4.0, 5.0, 6.3, 8.0, 10.0, 12.5]), ((180, 100), [4.0, 5.0, 6.3, 8.0, 10.0, 12.5]),
                 ((200, 100), [4.0, 5.0, 6.3, 8.0, 10.0, 12.5]), ((200, 120), [5.0, 6.3, 8.0, 10.0, 12.5, 16.0]),
                 ((200, 150), [5.0, 6.3, 8.0, 10.0, 12.5, 16.0]), ((220, 120), [7.1, 8.0, 10.0, 12.5, 14.2, 16.0]),
                 ((250, 100), [5.0, 6.3, 8.0, 10.0, 12.5, 16.0])]
# Cold-formed hollow sections BS 6363 (now BS EN 10219).
BS6363_SQUARE = [(20, [2.0, 2.5]), (25, [2.0, 2.5, 3.0]), (30, [2.0, 2.5, 3.0]), (40, [2.0, 2.5, 3.0, 4.0]),
                 (50, [2.0, 2.5, 3.0, 4.0, 5.0]), (60, [2.0, 2.5, 3.0, 4.0, 5.0]), (70, [3.0, 4.0, 5.0]),
                 (80, [3.0, 4.0, 5.0, 6.0]), (90, [3.0, 4.0, 5.0, 6.0]), (100, [3.0, 4.0, 5.0, 6.0, 8.0]),
                 (120, [4.0, 5.0, 6.0, 8.0])]
BS6363_RECT = [((50, 25), [2.0, 2.5, 3.0]), ((50, 30), [2.0, 2.5, 3.0, 4.0]), ((60, 40), [2.0, 2.5, 3.0, 4.0]),
               ((80, 40), [2.0, 2.5, 3.0, 4.0, 5.0]), ((90, 50), [3.0, 4.0, 5.0]), ((100, 50), [3.0, 4.0, 5.0, 6.0]),
               ((100, 60), [3.0, 4.0, 5.0, 6.0]), ((120, 60), [3.0, 4.0, 5.0, 6.0]), ((120, 80), [4.0, 5.0, 6.0, 8.0])]
# ASTM A500 square and rectangular structural tubing, nominal walls 1/8 to 1/2 in., in mm.
A500_WALLS = [3.18, 4.76, 6.35, 7.94, 9.53, 12.7]
A500_SQUARE = [(2, 3), (2.5, 3), (3, 4), (3.5, 4), (4, 5), (5, 5), (6, 6), (7, 6), (8, 6), (10, 6)]
A500_RECT = [((3, 2), 3), ((4, 2), 3), ((4, 3), 4), ((5, 3), 4), ((6, 4), 5), ((8, 4), 6)]
# Sheet-metal ducts DIN 24190: inside width and height from the preferred series, the sheet thickness
# by the larger side (up to 500 mm 0,6 mm, up to 1000 mm 0,8 mm, up to 2000 mm 1,0 mm).
DUCT_SIDES = [100, 150, 200, 250, 300, 400, 500, 600, 800, 1000, 1200, 1400, 1600, 1800, 2000]


def duct_sheet(side):
    return 0.6 if side <= 500 else 0.8 if side <= 1000 else 1.0


def write_rectangular(FileBuilder, path, num):
    b = FileBuilder(["# Velmora rectangular pipe tables: square and rectangular hollow sections and ducts, mm.",
                     "# Each line: designation, width, height, the walls offered (up to six)."])

    def rows(entries):
        return [[f"{w:g}x{h:g}", float(w), float(h)] + walls for (w, h), walls in entries]

    def square(entries):
        return rows([((a, a), walls) for a, walls in entries])

    b.block(1, 7, 17, "Profilstahlrohr EN 10305-5 (DIN 2395), square lines 7-17, rectangular lines 18-51",
            "EN 10305-5:2016 Tables 1 and 2",
            square(EN10305_5_SQUARE))
    b.block(1, 18, 51, None, None,
            rows(EN10305_5_RECT))
    b.block(2, 55, 69, "Hohlprofil DIN 59411, square lines 55-69, rectangular lines 70-86",
            "DIN 59411:1978 / EN 10219-2:2006; rectangular sizes and walls as in FreeCAD's EN profile table",
            square(DIN59411_SQUARE))
    b.block(2, 70, 86, None, None,
            rows(DIN59411_RECT))
    b.block(3, 90, 100, "Hohlprofil BS 6363, square lines 90-100, rectangular lines 101-109",
            "BS 6363:1983 / BS EN 10219-2",
            square(BS6363_SQUARE))
    b.block(3, 101, 109, None, None,
            rows(BS6363_RECT))
    inch = lambda x: round(x * 25.4, 1)  # noqa: E731
    b.block(5, 116, 125, "Hohlprofil ASTM A-500, square lines 116-125, rectangular lines 126-131",
            "ASTM A500/A500M-18, nominal sizes and walls in inches converted to mm",
            [[f"{a:g}x{a:g} in.", inch(a), inch(a)] + A500_WALLS[:n] for a, n in A500_SQUARE])
    b.block(5, 126, 131, None, None,
            [[f"{w:g}x{h:g} in.", inch(w), inch(h)] + A500_WALLS[:n] for (w, h), n in A500_RECT])
    b.block(4, 138, 152, "Blechkanäle DIN 24190 (inside dimensions), square lines 138-152, rectangular lines 153-257",
            "DIN 24190:1985, preferred sides; sheet by the larger side",
            [[f"{a}x{a}", float(a), float(a), duct_sheet(a)] for a in DUCT_SIDES])
    pairs = [(w, h) for i, w in enumerate(DUCT_SIDES) for h in DUCT_SIDES[:i]]
    b.block(4, 153, 257, None, None,
            [[f"{w}x{h}", float(w), float(h), duct_sheet(w)] for w, h in pairs])
    b.write(path, 257)
