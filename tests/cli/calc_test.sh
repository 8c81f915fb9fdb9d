#!/usr/bin/env bash
# velmora-cli calc: the example pipelines with hand-checked numbers, and the exit status
# 0 (every element a column) / 1 (an element refused) / 2 (input that cannot be used).
set -u
cli=$1
examples=$2/../../examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs calc; leaves the table in $work/out, the messages in $work/err, the status in $status.
run() { "$cli" calc "$@" >"$work/out" 2>"$work/err"; status=$?; }

# The cell of table row ROW (0 … 25) in grid column COL (0 = captions).
cell() { awk -F'\t' -v r=$(($1 + 1)) -v c=$(($2 + 1)) 'NR == r { sub(/\r$/, ""); print $c }' "$work/out"; }

expect_cell() {  # ROW COL TEXT WHAT
  local got; got=$(cell "$1" "$2")
  [ "$got" = "$3" ] || fail "$4: row $1 column $2 is '$got', want '$3'"
}

expect_status() {  # WANT WHAT
  [ "$status" -eq "$1" ] || { fail "$2: exit status $status, want $1"; cat "$work/err"; }
}

# Water 20 °C (998.2 kg/m³, 1002 µPa·s), 40 m³/h in DN 100 (107.1 mm), new steel 0.05 mm:
#   w = 40 / (3600 · π/4 · 0.1071²) = 1.23336 m/s, Re = w ρ d / η = 131 592
#   sharp-edged entrance ζ = 0.5: Δp = 0.5 · 998.2 · 1.23336² / 2 = 379.6 Pa = 3.796 mbar
#   12 m of pipe, Colebrook 1/√λ = −0.868588 ln(2.51 / (Re √λ) + 0.269 k / d): λ = 0.0194915,
#   Δp = λ (L / d) ρ w² / 2 = 0.0194915 · 112.045 · 998.2 · 1.23336² / 2 = 1658.1 Pa = 16.581 mbar
run "$examples/pump_suction_water.json"
expect_status 0 "pump suction line"
expect_cell 7 2 "Circular pipe/1" "pump suction line"
expect_cell 24 1 "3.796" "pump suction line entrance"
expect_cell 24 2 "16.581" "pump suction line pipe"
expect_cell 21 1 "0.500" "pump suction line entrance coefficient"
[ -s "$work/err" ] && fail "pump suction line: unexpected messages: $(cat "$work/err")"
tail -c 40 "$work/out" | grep -q 'bar$' || fail "pump suction line: the table does not end with the total"

# The same line in the German edition: decimal commas, German words.
run "$examples/pump_suction_water.json" --edition=D
expect_status 0 "pump suction line, German"
expect_cell 24 2 "16,581" "pump suction line, German"
expect_cell 1 1 "Water 20 °C/flü." "pump suction line, German"

# In US units: 40 m³/h = 176.115 gal/min; 16.581 mbar = 0.0165807 bar / 0.000478802653
# = 34.629 lbw./sq.ft. = 0.240 psi.
sed 's/"units": "metric"/"units": "US"/' "$examples/pump_suction_water.json" >"$work/us.json"
run "$work/us.json"
expect_status 0 "pump suction line, US"
expect_cell 2 0 "Volume flow in gal/min:" "pump suction line, US"
expect_cell 2 2 "176.115" "pump suction line, US"
expect_cell 24 2 "34.629" "pump suction line, US"
expect_cell 25 2 "0.240" "pump suction line, US"

# Compressed air, 600 Nm³/h at 8 bar abs. and 20 °C: operating flow 600 · 1.01325 · 293.15 / 8 /
# 273.15 = 81.558 m³/h; 80 m of DN 50 (54.5 mm), ρ 9.51 kg/m³, η 18.2 µPa·s: w = 9.71139 m/s,
# Re = 276 558, λ = 0.0203154, Δp₀ = 0.133731 bar; for the gas p₁ (1 − √(1 − 2 Δp₀ / p₁)) with
# T₁ = T₂: 8 · (1 − √(1 − 0.0334327)) = 0.134868 bar = 134.868 mbar.
run "$examples/compressed_air_distribution.json"
expect_status 0 "compressed air"
expect_cell 2 1 "81.558" "compressed air operating flow"
expect_cell 24 1 "134.868" "compressed air main"
expect_cell 1 1 "Air/gas." "compressed air"
grep -q '^information: ' "$work/err" || fail "compressed air: the notice on several gas elements is missing"

# Hydraulic oil, 12 000 kg/h of 870 kg/m³ = 13.7931 m³/h, 46 cSt = 40 020 µPa·s, DN 50 (54.5 mm):
# w = 1.64239 m/s, Re = w d / ν = 1946 (laminar), λ = 64 / Re = 0.0328901,
# Δp = λ (40 / 0.0545) · 870 · 1.64239² / 2 = 28 325.0 Pa = 283.250 mbar; 6 m rise:
# ρ g h = 870 · 9.81 · 6 = 51 208.2 Pa = 512.082 mbar.
run "$examples/oil_transfer_mass_flow.json"
expect_status 0 "oil line"
expect_cell 15 1 "1946" "oil line Reynolds number"
expect_cell 18 1 "laminar" "oil line regime"
expect_cell 24 1 "283.250" "oil line pipe"
expect_cell 24 4 "512.082" "oil line height"

# An element refused by a check: its message on stderr, the other elements still in the table.
cat >"$work/refused.json" <<'JSON'
{ "elements": [
    { "kind": [1, 1], "slots": [["50", "mm"], ["10", "m"]] },
    { "kind": [3, 1], "slots": [["80", "mm"], ["50", "mm"]] },
    { "kind": [4, 1], "slots": [["50", "mm"], ["75", "mm"], ["90"]] } ] }
JSON
run "$work/refused.json"
expect_status 1 "refused expansion"
grep -q '^error: ' "$work/err" || fail "refused expansion: no error line on stderr"
[ "$(grep -c '' "$work/err")" -eq 1 ] || fail "refused expansion: want one message line, got: $(cat "$work/err")"
grep -q ' / ' "$work/err" || fail "refused expansion: line breaks are not written as ' / '"
expect_cell 0 2 "2" "refused expansion"
expect_cell 7 2 "Circular bend/1" "refused expansion: the bend becomes column 2"

# Input that cannot be used: exit 2, nothing on stdout, a message naming what is wrong.
bad() {  # NAME PATTERN JSON
  printf '%s' "$3" >"$work/bad.json"
  run "$work/bad.json"
  expect_status 2 "$1"
  [ -s "$work/out" ] && fail "$1: printed a table"
  grep -q -- "$2" "$work/err" || fail "$1: message '$(cat "$work/err")' does not name '$2'"
}
bad "unknown key" 'unknown key "lenght"' '{"elements": [{"kind": [1, 1], "lenght": "10"}]}'
bad "unknown unit label" 'unknown unit label "cm"' '{"elements": [{"kind": [1, 1], "slots": [["2.5", "cm"]]}]}'
bad "unknown medium unit" 'unknown unit label "m3/h"' '{"medium": {"flowUnit": "m3/h"}, "elements": []}'
bad "unknown kind" 'unknown element kind \[14, 1\]' '{"elements": [{"kind": [14, 1]}]}'
bad "bad JSON" 'not valid JSON' '{"elements": [{"kind": [1, 1]}'
bad "decimals out of range" 'decimals' '{"settings": {"decimals": 7}, "elements": []}'
bad "option of a kind without a choice" 'no two-option choice' '{"elements": [{"kind": [1, 1], "option": 1}]}'
run "$work/missing.json"
expect_status 2 "missing file"
grep -q 'missing.json' "$work/err" || fail "missing file: the message does not name the file"

# The project file: calc writes it, show reads it back to the same table, in any edition.
run "$examples/compressed_air_distribution.json" --project="$work/air.vla"
expect_status 0 "calc --project"
cp "$work/out" "$work/calculated"
"$cli" show "$work/air.vla" >"$work/out" 2>"$work/err"; status=$?
expect_status 0 "show"
cmp -s "$work/calculated" "$work/out" || fail "show: the table read back differs from the calculated one"
[ "$(grep -c '' "$work/air.vla")" -eq $((26 + 5 * 26)) ] || fail "project: want 26 + 5 · 26 lines"
"$cli" show "$work/air.vla" --edition=D >"$work/out" 2>"$work/err"; status=$?
expect_status 0 "show, German"
expect_cell 24 1 "134,868" "show, German"
printf '6.0\r\nnot a project\r\n' >"$work/broken.vla"
"$cli" show "$work/broken.vla" >"$work/out" 2>"$work/err"; status=$?
expect_status 2 "show of an invalid project"
grep -q '^warning: ' "$work/err" || fail "show of an invalid project: no message"
"$cli" show "$work/none.vla" >"$work/out" 2>"$work/err"; status=$?
expect_status 2 "show of a missing project"
# Two decimals: the total read back is written with the decimals of the cells.
sed 's/"decimals": 3/"decimals": 2/' "$examples/oil_transfer_mass_flow.json" >"$work/oil2.json"
run "$work/oil2.json" --project="$work/oil2.vla"
expect_status 0 "calc with two decimals"
expect_cell 24 1 "283.25" "calc with two decimals"
cp "$work/out" "$work/calculated"
"$cli" show "$work/oil2.vla" >"$work/out" 2>"$work/err"; status=$?
cmp -s "$work/calculated" "$work/out" || fail "show with two decimals: the table read back differs"
run "$examples/oil_transfer_mass_flow.json" --project="$work/no-such-folder/oil.vla"
expect_status 2 "calc --project into a missing folder"

if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
