#!/usr/bin/env bash
# velmora-cli props liquid | gas | vapour-pressure | list liquids|gases|vapour-pressure: the
# database dialogs' values and their refusals; exit 0 / 1 (refused, the dialog's message on
# standard error) / 2 (unusable).
set -u
cli=$1
failures=0
expect() {  # expect STATUS PATTERN -- ARGS...
  local want=$1 pattern=$2; shift 3
  local out status
  out=$("$cli" props "$@" 2>&1); status=$?
  if [ "$status" -ne "$want" ] || ! grep -Eq -- "$pattern" <<<"$out"; then
    echo "FAIL: props $* -> status $status (want $want), output:"; echo "$out"; failures=$((failures + 1))
  fi
}
# Water at 20 °C (IAPWS-IF97: 998.21 kg/m³, 1001.6 µPa·s) as measured; at 50 °C halfway between
# the 40 and 60 °C points: (992.22 + 983.21)/2 = 987.715.
expect 0 '^density: 998\.21$' -- liquid Water 20
expect 0 '^temperature_source: interpolated' -- liquid Water 50
expect 0 '^density: 987\.715' -- liquid Water 50
expect 1 "range of the measured values" -- liquid Water -5
expect 2 'not in the list of liquids' -- liquid Lemonade 20
expect 0 '^Ethylene glycol$' -- list liquids
# Air at 20 °C, 5 bar: ideal gas 5.94 kg/m³ (SRK 5.95); propane is liquid at 10 bar and 0 °C
# (it boils at 26.9 °C there).
expect 0 '^density: 5\.9[45]' -- gas Air 5 20
expect 1 'liquid' -- gas Propane 10 0
expect 0 '^temperature_source: interpolated' -- gas Propane 1.013 30
expect 1 'range of validity' -- gas Air 1.013 5000
expect 2 'not a number' -- gas Air 1,5 20
expect 0 '^Ammonia$' -- list gases
# Water at 100 °C on the database's scale (374 K): IF97 1.0453 bar, McGarry's Wagner line 1.0440.
expect 0 '^vapour_pressure: 1\.01[234]' -- vapour-pressure Water 100  # IF97: 1.0142 bar at 373.15 K
expect 1 'range of validity' -- vapour-pressure Toluene 20
expect 2 'whole number' -- vapour-pressure Water 20.5
expect 0 '^Toluene$' -- list vapour-pressure
if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
