#!/usr/bin/env bash
# velmora-cli props brine | oil | solution | estimate | list: the dialogs' computations and their
# refusals; exit status 0 / 1 (refused, the dialog's message on standard error) / 2 (unusable).
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
# Brine 1 (ethylene glycol) at its mean point: 1056 kg/m³, 1000·exp(1.453), −21.96 °C.
expect 0 '^density: 1056$' -- brine 1 38.1615 6.3333
expect 0 '^viscosity: 4275\.92' -- brine 1 38.1615 6.3333
expect 0 '^freezing_point: -21\.96$' -- brine 1 38.1615 6.3333
expect 1 '^error: Temperature <= Freezing point' -- brine 1 38.1615 -30
expect 2 'no brine 11' -- brine 11 10 20
expect 2 'not a number' -- brine 1 10,5 20
expect 0 '^Sodium chloride / Water$' -- list brines
# Therminol 66 data sheet: 955.0 kg/m³ at 100 °C; 300.4 °C is taken as 300, 300.5 °C refused.
expect 0 '^density: 955\.0' -- oil "Therminol 66" 100
expect 0 '^temperature: 300$' -- oil "Therminol 66" 300.4
expect 1 'above 300' -- oil "Therminol 66" 300.5
expect 2 'not in the list of oils' -- oil "Motor oil" 20
expect 0 '^Syltherm 800$' -- list oils
# CRC Handbook, NaCl 10 % at 20 °C: 1070.7 kg/m³.
expect 0 '^density: 107[01]\.' -- solution "Sodium Chloride" 10 20
expect 1 '100 %' -- solution "Sodium Chloride" 100 20
expect 0 '^Sucrose$' -- list solutions
# n-hexane: liquid at 25 °C (CRC 654.8 kg/m³), a gas at 100 °C and 1 bar.
expect 0 '^state: liquid' -- estimate n-Hexane 1.01325 25
expect 0 '^density: 65[0-9]\.' -- estimate n-Hexane 1.01325 25
expect 0 '^state: gaseous' -- estimate n-Hexane 1 100
expect 1 'melting point' -- estimate Water 1 -10
expect 0 '^R134a$' -- list substances
expect 2 '.' -- list nothing
if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
