#!/usr/bin/env bash
# velmora-cli props: key lines, exit status 0 / 1 (state refused) / 2 (unusable arguments).
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
# IAPWS-IF97 region 1 at 20 °C, 1.013 bar: 998.206 kg/m³; IAPWS 1985: about 1001.6 µPa·s.
expect 0 '^density: 998\.20' -- water 1.013 20
expect 0 '^region: 1$' -- water 1.013 20
expect 0 '^region: 5$' -- water 100 850
expect 1 '.' -- water 100.1 850
expect 2 '.' -- water 1,5 20
expect 2 '.' -- water 1
expect 0 '^pressure: 1\.01' -- saturation --temperature=100
expect 1 '.' -- saturation --temperature=374
expect 2 '.' -- saturation --foo=1
# Dry air at 20 °C, 1 bar: about 1.1885 kg/m³ (ideal gas 1.1884).
expect 0 '^density: 1\.188' -- air 1 20
expect 0 '^state: liquid' -- air 10 -193.15
expect 0 '^dew_point: 9\.2' -- humid-air 1.01325 20 50
expect 0 '^bubble_pressure: ' -- saturated-air 100
expect 2 '.' -- air nan 20
expect 2 '.' -- steam 1 20
expect 0 '^density: 998\.20' -- water 1.013 20 --edition=D
if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
