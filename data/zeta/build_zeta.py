#!/usr/bin/python3
"""Writes the zeta database files (*.ZTA): one plain text file per source, one line per fitting:
designation, then pairs of nominal size DN and resistance coefficient zeta (decimal comma),
tab-separated. zeta refers to the velocity in the pipe of the nominal size.

CRANE.ZTA    Crane Co., Technical Paper No. 410, "Flow of Fluids through Valves, Fittings and Pipe"
             (2009), pages A-27 to A-29: K = multiplier x fT with the friction factor fT of clean
             commercial steel pipe of each nominal size (TP-410 page A-26).
HOOPER.ZTA   W. B. Hooper, "The two-K method predicts head losses in pipe fittings", Chem. Eng.,
             Aug. 24, 1981: fully turbulent K = Kinf (1 + 1/D), D the nominal size in inches.
DARBY.ZTA    R. Darby, "Correlate pressure drops through fittings", Chem. Eng., July 1999 (3-K
             method): fully turbulent K = Ki (1 + Kd / D^0.3), D in inches.
RENNELS.ZTA  D. C. Rennels, H. M. Hudson, "Pipe Flow: A Practical and Comprehensive Guide", Wiley
             2012, chapter 15: smooth bends and mitre bends with the friction factor fT above.
The Crane, Hooper, Darby and Rennels constants are taken as python3-fluids tabulates them (fluids.fittings);
run with /usr/bin/python3 and commit what it writes.
"""
import math
import os

import fluids.fittings as ff

HERE = os.path.dirname(os.path.abspath(__file__))

# Nominal sizes: DN, NPS (in.), the friction factor fT of Crane TP-410 for that size.
SIZES = [(15, 0.5, 0.027), (20, 0.75, 0.025), (25, 1, 0.023), (32, 1.25, 0.022), (40, 1.5, 0.021),
         (50, 2, 0.019), (65, 2.5, 0.018), (80, 3, 0.018), (100, 4, 0.017), (125, 5, 0.016),
         (150, 6, 0.015), (200, 8, 0.014), (250, 10, 0.014), (300, 12, 0.013), (350, 14, 0.013),
         (400, 16, 0.013), (450, 18, 0.012), (500, 20, 0.012), (600, 24, 0.012)]


def text(z):
    digits = 3 if z < 1 else 2 if z < 10 else 1
    return f"{z:.{digits}f}".replace(".", ",")


def write(name, lines):
    with open(os.path.join(HERE, name), "w", encoding="utf-8") as out:
        for designation, pairs in lines:
            out.write("\t".join([designation] + [f for dn, z in pairs for f in (str(dn), text(z))]) + "\n")


def crane():
    D = 0.05  # the Crane K depend on the diameter only through fT for full-bore fittings
    items = [
        ("Gate valve, wedge disc, full bore (8 fT)", lambda ft: ff.K_gate_valve_Crane(D, D, 0, fd=ft)),
        ("Globe valve, straight pattern (340 fT)", lambda ft: ff.K_globe_valve_Crane(D, D, fd=ft)),
        ("Angle valve, full bore (150 fT)", lambda ft: ff.K_angle_valve_Crane(D, D, fd=ft, style=1)),
        ("Angle valve, Y pattern (55 fT)", lambda ft: ff.K_angle_valve_Crane(D, D, fd=ft, style=0)),
        ("Swing check valve (100 fT)", lambda ft: ff.K_swing_check_valve_Crane(D, fd=ft, angled=True)),
        ("Swing check valve, clearway (50 fT)", lambda ft: ff.K_swing_check_valve_Crane(D, fd=ft, angled=False)),
        ("Lift check valve, straight (600 fT)", lambda ft: ff.K_lift_check_valve_Crane(D, D, fd=ft, angled=False)),
        ("Lift check valve, angle (55 fT)", lambda ft: ff.K_lift_check_valve_Crane(D, D, fd=ft, angled=True)),
        ("Tilting disc check valve, 5 deg (40/30 fT)", lambda ft: ff.K_tilting_disk_check_valve_Crane(D, 5, fd=ft)),
        ("Tilting disc check valve, 15 deg (120/90 fT)", lambda ft: ff.K_tilting_disk_check_valve_Crane(D, 15, fd=ft)),
        ("Ball valve, full bore (3 fT)", lambda ft: ff.K_ball_valve_Crane(D, D, 0, fd=ft)),
        ("Plug valve, straightway (18 fT)", lambda ft: ff.K_plug_valve_Crane(D, D, 0, fd=ft, style=0)),
        ("Plug valve, 3-way, straight through (30 fT)", lambda ft: ff.K_plug_valve_Crane(D, D, 0, fd=ft, style=1)),
        ("Plug valve, 3-way, through branch (90 fT)", lambda ft: ff.K_plug_valve_Crane(D, D, 0, fd=ft, style=2)),
        ("Diaphragm valve, weir type (149 fT)", lambda ft: ff.K_diaphragm_valve_Crane(fd=ft, style=0)),
        ("Diaphragm valve, straight through (39 fT)", lambda ft: ff.K_diaphragm_valve_Crane(fd=ft, style=1)),
        ("Foot valve with strainer, poppet disc (420 fT)", lambda ft: ff.K_foot_valve_Crane(fd=ft, style=0)),
        ("Foot valve with strainer, hinged disc (75 fT)", lambda ft: ff.K_foot_valve_Crane(fd=ft, style=1)),
        ("Standard elbow 90 deg (30 fT)", lambda ft: 30 * ft),
        ("Standard elbow 45 deg (16 fT)", lambda ft: 16 * ft),
        ("Close pattern return bend 180 deg (50 fT)", lambda ft: 50 * ft),
        ("Standard tee, flow through run (20 fT)", lambda ft: 20 * ft),
        ("Standard tee, flow through branch (60 fT)", lambda ft: 60 * ft),
        ("Pipe bend 90 deg, r/d = 1,5 (14 fT)", lambda ft: 14 * ft),
        ("Pipe bend 90 deg, r/d = 3 (12 fT)", lambda ft: 12 * ft),
    ]
    lines = []
    for name, k in items:
        pairs = [(dn, k(ft)) for dn, nps, ft in SIZES]
        lines.append((name, pairs))
    # Butterfly valves are made from 2 in. on; their multiplier falls with the size.
    lines.append(("Butterfly valve, centric (45/35/25 fT)",
                  [(dn, ff.K_butterfly_valve_Crane(nps * 0.0254, fd=ft, style=0)) for dn, nps, ft in SIZES if nps >= 2]))
    write("CRANE.ZTA", lines)


def two_k(name, table, formula, leave_out=()):
    lines = []
    for designation, constants in table.items():
        if designation in leave_out:
            continue
        pairs = [(dn, formula(constants, nps)) for dn, nps, _ in SIZES]
        if all(z > 0 for _, z in pairs):
            lines.append((designation.replace("°", " deg").replace("β", "beta"), pairs))
    write(name, lines)


def rennels():
    """Bends after Rennels and Hudson: K = fT a r/d + (0,10 + 2,4 fT) sin(a/2)
    + 6,6 fT (sqrt(sin(a/2)) + sin(a/2)) / (r/d)^(4a/pi), a the bend angle."""
    lines = []
    for angle in (45, 90, 180):
        for ratio in (1, 1.5, 2, 3, 5):
            pairs = [(dn, ff.bend_rounded(Di=nps * 0.0254, angle=angle, fd=ft, bend_diameters=ratio, method="Rennels"))
                     for dn, nps, ft in SIZES]
            lines.append((f"Pipe bend {angle} deg, r/d = {ratio:g}".replace(".", ","), pairs))
    # Single-joint mitre bends: K = 0,42 sin(a/2) + 2,56 sin^3(a/2), the same in every size.
    for angle in (30, 45, 60, 90):
        pairs = [(dn, ff.bend_miter(angle=angle, method="Rennels")) for dn, nps, ft in SIZES]
        lines.append((f"Mitre bend {angle} deg, one joint", pairs))
    write("RENNELS.ZTA", lines)


def main():
    crane()
    # Thirty fittings a file at most: the rarer elbows and a duplicate entry are left out.
    two_k("HOOPER.ZTA", ff.Hooper, lambda c, nps: c[1] * (1 + 1 / nps), leave_out=("Elbow, Used as, Standard, Screwed",))
    two_k("DARBY.ZTA", ff.Darby, lambda c, nps: c[1] * (1 + c[2] / nps ** 0.3),
          leave_out=("Elbow, 90°, (r/D = 4)", "Elbow, 90°, (r/D = 6)", "Elbow, 45°, mitered, 2 welds, (22.5°)"))
    rennels()


if __name__ == "__main__":
    main()
