#!/usr/bin/python3
"""Hand check of the pump quick design's whole example, worked independently of the program.

Water at 20 °C (density 998.2 kg/m³, dynamic viscosity 1002e-6 Pa s, vapour pressure 0.02339 bar,
IAPWS-95 via python3-iapws), 30 m³/h, roughness 0.1 mm.
Suction: DN 80 (88.9 x 3.2, d = 82.5 mm), 5 m, two 90° bends R = 1.5 d, one gate valve, tank at
1 bar absolute whose level lies 2 m below the pump (Hs = -2 m).
Discharge: DN 65 (76.1 x 2.9, d = 70.3 mm), 40 m, level 15 m above the pump, tank at 1 bar, one
lift check valve and a filter of zeta 2.5.

Friction factors: Colebrook's equation with the rounded constants of the engine,
1/sqrt(l) = -0.868588 ln(2.51/(Re sqrt(l)) + 0.269 k/d) (0.868588 = 2/ln 10, 0.269 = 1/3.717),
solved to machine precision with scipy's brentq; fluids.friction.Colebrook (3.7 in place of 3.717)
agrees within 0.1 %, checked below. Bends: Idelchik's
diagram 6-1 (friction term 0.0175 lambda delta R/D plus the local term A1 B1 C1 with, for
Re <= 2e5 and k/D >= 0.001, the roughness factor 128 lambda_smooth ... written here as
A/sqrt(R/D) * 128 lambda_smooth). Valves: Hooper's two-K method (Chemical Engineering, 1981):
K = K1/Re + Kinf (1 + 1/D[in]); lift check valve K1 = 2000, Kinf = 10; gate valve zeta 0.1.
Run it to print the values the test holds.
"""
import math
from fluids.friction import Colebrook as fluids_colebrook
from scipy.optimize import brentq


def Colebrook(Re, eD):
    f = lambda x: x + 0.868588 * math.log(2.51 * x / Re + 0.269 * eD)  # x = 1 / sqrt(lambda)
    x = brentq(f, 1.0, 30.0, xtol=1e-15)
    lam = 1 / (x * x)
    assert abs(lam / fluids_colebrook(Re, eD) - 1) < 2e-3
    return lam

rho, eta, pv = 998.2, 1002e-6, 0.02339
Q = 30.0 / 3600
k = 0.1e-3
g = 9.81


def side(d_mm, L):
    d = d_mm / 1000
    v = Q / (math.pi * d * d / 4)
    Re = v * rho * d / eta
    lam = Colebrook(Re, k / d)
    q = rho * v * v / 2 / 1e5  # dynamic pressure, bar
    return v, Re, lam, q


def bend_zeta(lam, Re, d_mm):
    rd = 1.5
    A = 0.21  # 90°
    delta = 0.1 / d_mm
    friction = 0.0175 * lam * 90 * rd
    lam_smooth = Colebrook(Re, 0.0)
    if Re <= 2e5 and delta >= 0.001:
        local = 128 * lam_smooth * A / math.sqrt(rd)
    elif Re >= 2e5 and delta <= 0.001:
        local = (1000 * delta + 1) * A / math.sqrt(rd)
    else:
        local = 64 * lam_smooth * A * (1000 * delta + 1) / math.sqrt(rd)
    return friction + local


vS, ReS, lamS, qS = side(82.5, 5)
vD, ReD, lamD, qD = side(70.3, 40)
friction_S = lamS * 5 / 0.0825 * qS
friction_D = lamD * 40 / 0.0703 * qD
bends_S = 2 * bend_zeta(lamS, ReS, 82.5) * qS
gate_S = 0.1 * qS
check_D = (2000 / ReD + 10 * (1 + 25.4 / 70.3)) * qD
filter_D = 2.5 * qD
geo_S = rho * g * -2 / 1e5
geo_D = rho * g * 15 / 1e5
pS = 1 + geo_S - (friction_S + bends_S + gate_S)
pD = 1 + geo_D + (friction_D + check_D + filter_D)
dp = pD - pS
H = dp * 10.2 / rho * 1000
NPSH = (pS - pv) * 10.2 / rho * 1000 + vS * vS / 2 / g
P = rho / 1000 * 30 * H / 367
for name, value in [("vS", vS), ("ReS", ReS), ("lamS", lamS), ("vD", vD), ("ReD", ReD), ("lamD", lamD),
                    ("friction_S", friction_S), ("bends_S", bends_S), ("gate_S", gate_S), ("geo_S", geo_S),
                    ("friction_D", friction_D), ("check_D", check_D), ("filter_D", filter_D), ("geo_D", geo_D),
                    ("pS", pS), ("pD", pD), ("dp", dp), ("H", H), ("NPSH", NPSH), ("P", P)]:
    print(f"{name:12s} {value:.8g}")
