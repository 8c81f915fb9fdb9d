#!/usr/bin/env bash
# velmora-cli curve: the system curve of an example pipeline as text and as pictures, a pump file
# with decimal commas and its operating point, and the exit status of refusals and bad arguments.
set -u
cli=$1
examples=$2/../../examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

run() { "$cli" curve "$@" >"$work/out" 2>"$work/err"; status=$?; }
expect_status() {  # WANT WHAT
  [ "$status" -eq "$1" ] || { fail "$2: exit status $status, want $1"; cat "$work/err"; }
}
line() { sed -n "$1p" "$work/out" | tr -d '\r'; }

suction=$examples/pump_suction_water.json

# 0 … 60 m³/h in 13 points: a header and 13 lines, CR LF; the point at 40 m³/h is the table's total.
run "$suction" --from=0 --to=60 --points=13
expect_status 0 "suction line curve"
[ "$(line 1)" = "$(printf 'Volume flow in m³/h\tPressure loss in mbar')" ] || fail "header: '$(line 1)'"
[ "$(wc -l <"$work/out")" -eq 14 ] || fail "13 points: $(wc -l <"$work/out") lines"
[ "$(grep -c $'\r$' "$work/out")" -eq 14 ] || fail "every line ends with CR LF"
[ "$(line 2)" = "$(printf '0.000\t0.000')" ] || fail "zero flow gives no loss: '$(line 2)'"
"$cli" calc "$suction" >"$work/table" 2>/dev/null
total=$(tail -c 60 "$work/table" | sed -n 's/.*: *\([0-9.]*\) mbar.*/\1/p')
at40=$(awk -F'\t' '$1 == "40.000" { print $2 }' "$work/out")
awk -v a="$at40" -v b="$total" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(d < 0.01) }' \
  || fail "the curve at 40 m³/h ($at40 mbar) is not the table's total ($total mbar)"
[ -s "$work/err" ] && fail "suction line curve: unexpected messages: $(cat "$work/err")"

# The German edition writes decimal commas.
run "$suction" --from=0 --to=60 --points=13 --edition=D
expect_status 0 "German curve"
[ "$(line 1)" = "$(printf 'Volumenstrom in m³/h\tDruckverlust in mbar')" ] || fail "German header: '$(line 1)'"
line 3 | grep -q '^5,000	' || fail "German flows: '$(line 3)'"

# A pump curve with decimal commas, semicolons and a heading: its column and the operating point.
printf 'Q in m3/h;H in m\r\n0;2\r\n20;1,8\r\n40;1,2\r\n60;0,5\r\n' >"$work/pump.csv"
run "$suction" --from=0 --to=60 --points=13 --pump="$work/pump.csv"
expect_status 0 "with pump"
[ "$(line 1)" = "$(printf 'Volume flow in m³/h\tPressure loss in mbar\tPump in mbar')" ] || fail "pump header: '$(line 1)'"
tail -n 1 "$work/out" | grep -q '^Operating point: Volume flow [0-9.]* m³/h, Pressure difference [0-9.]* mbar, Head [0-9.]* m' \
  || fail "operating point: '$(tail -n 1 "$work/out")'"
# 2 m of water are 998.2 · 9.81 · 2 Pa = 195.847 mbar at zero flow.
[ "$(line 2)" = "$(printf '0.000\t0.000\t195.847')" ] || fail "pump at zero flow: '$(line 2)'"

printf '0;0,3\n30;0,2\n60;0,1\n' >"$work/weak.txt"
run "$suction" --from=30 --to=60 --pump="$work/weak.txt"
expect_status 0 "weak pump"
tail -n 1 "$work/out" | grep -q 'does not cross' || fail "no crossing not said: '$(tail -n 1 "$work/out")'"

printf '0;40\n20;45\n40;30\n' >"$work/rising.txt"
run "$suction" --from=0 --to=60 --pump="$work/rising.txt"
expect_status 1 "rising pump curve"
grep -q '^error: The head of the pump must not rise' "$work/err" || fail "rising pump: $(cat "$work/err")"
run "$suction" --from=0 --to=60 --pump="$work/missing.txt"
expect_status 2 "pump file missing"

# Refusals of the tool: its message, exit 1.
run "$suction" --from=10 --to=10
expect_status 1 "to not above from"
grep -q "^error: The flow 'to' must be greater" "$work/err" || fail "to ≤ from: $(cat "$work/err")"
run "$suction" --from=-1 --to=10
expect_status 1 "negative from"
run "$suction" --from=1 --to=1x
expect_status 1 "to not a number"
grep -q '^error: Not a valid number in the field / "to"!' "$work/err" || fail "number message: $(cat "$work/err")"
run "$examples/compressed_air_distribution.json" --from=1 --to=10
expect_status 1 "gas"
grep -q 'liquids only' "$work/err" || fail "gas refusal: $(cat "$work/err")"

# Arguments that cannot be used: exit 2.
run "$suction" --to=10
expect_status 2 "no --from"
run "$suction" --from=1 --to=10 --unit=m3/h
expect_status 2 "unknown unit"
run "$suction" --from=1 --to=10 --size=10x10
expect_status 2 "picture too small"
run "$suction" --from=1 --to=10 --colour=red
expect_status 2 "unknown option"
run --help
expect_status 0 "help"
grep -q 'usage: velmora-cli curve' "$work/out" || fail "help text"

# Pictures: the SVG holds the red curve through the 13 points; PNG and PDF through velmora-render.
run "$suction" --from=0 --to=60 --points=13 --unit=m³/h --svg="$work/curve.svg" --size=900x600
expect_status 0 "svg"
points=$(grep -o '<polyline[^>]*stroke="#dc0000"[^>]*points="[^"]*"' "$work/curve.svg" | sed 's/.*points="//; s/"$//' | wc -w)
[ "$points" -eq 13 ] || fail "svg curve has $points points, want 13"
grep -q 'width="900" height="600"' "$work/curve.svg" || fail "svg size"
grep -q '>Volume flow (m³/h)</text>' "$work/curve.svg" || fail "svg x-axis title"

if [ -x "$(dirname "$cli")/velmora-render" ]; then
  run "$suction" --from=0 --to=60 --pump="$work/pump.csv" --png="$work/curve.png" --pdf="$work/curve.pdf"
  expect_status 0 "png and pdf"
  [ "$(head -c 8 "$work/curve.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "not a PNG"
  if command -v pdftotext >/dev/null; then
    pdftotext "$work/curve.pdf" "$work/curve.txt"
    for label in 'Volume flow (m³/h)' 'Pressure loss mbar' 'Operating point' 'Pump curve'; do
      grep -qF "$label" "$work/curve.txt" || fail "pdf lacks '$label'"
    done
  fi
else
  run "$suction" --from=0 --to=60 --png="$work/curve.png"
  expect_status 2 "png without the helper"
  grep -q 'velmora-render' "$work/err" || fail "helper not named: $(cat "$work/err")"
fi

[ $failures -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "curve: all checks passed"
