#!/usr/bin/python3
"""Second route for the American pipe tables: the ASME B36.10M / B36.19M schedules of python3-fluids.
Reads lines "schedule NPS Do_in s_in" (decimal points) and prints one line per cell that differs:
walls by more than 0,01 mm, outside diameters by more than the rounding of the standard's metric
outside diameters (0,1 mm below NPS 10, whole millimetres from there on). The last line is "checked N"."""
import sys

from fluids.piping import schedule_lookup

checked = 0
for line in sys.stdin:
    if not line.strip():
        continue
    schedule, nps, do_in, s_in = line.split()
    nps_value = sum(float(eval(part)) for part in nps.split("+"))
    sizes, inside, outside, walls = schedule_lookup[schedule]
    if nps_value not in sizes:
        print(f"{schedule} {nps}: size not in the standard")
        continue
    i = sizes.index(nps_value)
    do_mm, s_mm = float(do_in) * 25.4, float(s_in) * 25.4
    # From NPS 10 on the standard rounds its metric outside diameters to whole millimetres.
    if abs(do_mm - outside[i]) > (0.5 if outside[i] > 250 else 0.05):
        print(f"{schedule} {nps}: Do {do_mm:.3f} mm, standard {outside[i]} mm")
    if abs(s_mm - walls[i]) > 0.01:
        print(f"{schedule} {nps}: s {s_mm:.3f} mm, standard {walls[i]} mm")
    checked += 1
print(f"checked {checked}")
