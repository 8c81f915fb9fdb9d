#!/usr/bin/env bash
# velmora-cli pipes: the pipe dimension tables over the circular dialog's presenter.
set -u
cli=$1
failures=0
expect() {  # expect STATUS PATTERN -- ARGS...
  local want=$1 pattern=$2; shift 3
  local out status
  out=$("$cli" pipes "$@" 2>&1); status=$?
  if [ "$status" -ne "$want" ] || ! grep -Eq -- "$pattern" <<<"$out"; then
    echo "FAIL: pipes $* -> status $status (want $want), output:"; echo "$out"; failures=$((failures + 1))
  fi
}
tab=$'\t'
expect 0 "^E9${tab}EN 10255 series M \(DIN 2440\)${tab}EN 10255 M$" -- list
expect 0 "^A2${tab}ASME B36.10M Schedule${tab}ASME B36.10M$" -- list --edition=D
expect 0 "^Other$" -- list
# EN 10255 medium DN 50: 60.3 x 3.6 mm, inside 53.1 mm = 2.091 in., (0.0603² - 0.0531²) · 7850 · π/4 = 5.03 kg/m.
expect 0 "^50${tab}60.3 mm${tab}3.6 mm${tab}53.1 mm${tab}2.091 in.${tab}5.0 kg/m$" -- show E9
# ASME B36.10M 4" Sch 40: 4.500 x 0.237 in., inside 4.026 in. = 102.3 mm, 16.1 kg/m (the standard: 16.07).
expect 0 "^4${tab}40${tab}4.500 in.${tab}0.237 in.${tab}102.3 mm${tab}4.026 in.${tab}16.1 kg/m$" -- show A2
expect 0 "^4${tab}40${tab}4,500 in.${tab}0,237 in.${tab}102,3 mm${tab}4,026 in.${tab}16,1 kg/m$" -- show "asme b36.10m schedule" --edition=D
# A class not made in a size is left out: PE 100 d 16 is made only as PN 25.
expect 0 "^16${tab}25${tab}16.0 mm${tab}2.3 mm" -- show E17
expect 2 "no standard 'E8'" -- show E8
expect 2 "usage" -- show
if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
