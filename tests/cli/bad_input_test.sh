#!/usr/bin/env bash
# velmora-cli calc and show with input that is broken, of the wrong shape or very large. Each run
# must end in a correct result or in exit 2 with a message naming what is wrong; a crash (exit
# status 128 or more, a sanitizer report) or a run that does not end is always a failure.
set -u
cli=$1
examples=$2/../../examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs velmora-cli; leaves the table in $work/out, the messages in $work/err, the status in
# $status. A run still going after two minutes counts as hung.
run() { timeout 120 "$cli" "$@" >"$work/out" 2>"$work/err"; status=$?; }

# Never a crash, a hang or a sanitizer report, whatever the input.
expect_no_crash() {  # WHAT
  if [ "$status" -eq 124 ]; then
    fail "$1: did not finish"
  elif [ "$status" -ge 128 ]; then
    fail "$1: crashed with status $status: $(head -c 400 "$work/err")"
  fi
  if grep -qE 'runtime error|AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer' "$work/err"; then
    fail "$1: sanitizer report: $(grep -m1 -E 'runtime error|Sanitizer' "$work/err")"
  fi
}

# Exit 2, no table, and a message that names the fault.
expect_refused() {  # WHAT PATTERN
  expect_no_crash "$1"
  [ "$status" -eq 2 ] || fail "$1: exit status $status, want 2; messages: $(head -c 400 "$work/err")"
  [ -s "$work/out" ] && fail "$1: printed a table"
  grep -q -- "$2" "$work/err" || fail "$1: message '$(head -c 400 "$work/err")' does not name '$2'"
}

expect_status() {  # WANT WHAT
  expect_no_crash "$2"
  [ "$status" -eq "$1" ] || fail "$2: exit status $status, want $1; messages: $(head -c 400 "$work/err")"
}

# The cell of table row ROW (0 … 25) in grid column COL (0 = captions).
cell() { awk -F'\t' -v r=$(($1 + 1)) -v c=$(($2 + 1)) 'NR == r { sub(/\r$/, ""); print $c }' "$work/out"; }

expect_cell() {  # ROW COL TEXT WHAT
  local got; got=$(cell "$1" "$2")
  [ "$got" = "$3" ] || fail "$4: row $1 column $2 is '$(head -c 80 <<<"$got")', want '$3'"
}

# ---- descriptions that cannot be used: exit 2 naming the fault -------------------------------------

# NAME | what the message must name | the description
refused_cases=$(cat <<'CASES'
empty file|not valid JSON|
blanks only|not valid JSON|   
cut off|not valid JSON|{"elements": [{"kind": [1, 1]}
text after the object|not valid JSON|{"elements": []} trailing
single quotes|not valid JSON|{'elements': []}
a comment|not valid JSON|{"elements": [] /* none */}
NaN literal|not valid JSON|{"medium": {"flow": NaN}, "elements": []}
a number beyond a double|not valid JSON|{"medium": {"flow": 1e999}, "elements": []}
a negative number beyond a double|number overflow|{"elements": [{"kind": [1, 1], "count": -2e400}]}
a list, not an object|pipeline: expected an object|[{"kind": [1, 1]}]
a number, not an object|pipeline: expected an object|42
null, not an object|pipeline: expected an object|null
no element list|no "elements" list|{"medium": {"flow": "1"}}
elements as an object|key "elements": expected a list|{"elements": {"kind": [1, 1]}}
elements as a text|key "elements": expected a list|{"elements": "pipe"}
an element as a list|element 1: expected an object|{"elements": [[1, 1]]}
an element as a number|element 2: expected an object|{"elements": [{"kind": [1, 1]}, 7]}
unknown key at the top|unknown key "element"|{"element": []}
unknown settings key|settings: unknown key "unit"|{"settings": {"unit": "metric"}, "elements": []}
unknown medium key|medium: unknown key "temperature"|{"medium": {"temperature": "20"}, "elements": []}
unknown element key|element 1: unknown key "length"|{"elements": [{"kind": [1, 1], "length": "10"}]}
unknown key in an element's medium|element 1, key "medium": unknown key "flw"|{"elements": [{"kind": [1, 1], "medium": {"flw": "2"}}]}
unknown flow unit|unknown unit label "m3/h"|{"medium": {"flowUnit": "m3/h"}, "elements": []}
unknown density unit|unknown unit label "kg/dm3"|{"medium": {"densityUnit": "kg/dm3"}, "elements": []}
unknown viscosity unit|unknown unit label "Pa s"|{"medium": {"viscosityUnit": "Pa s"}, "elements": []}
unknown pressure unit|unknown unit label "kPa"|{"medium": {"inletPressureUnit": "kPa"}, "elements": []}
unknown temperature unit|unknown unit label "C"|{"medium": {"inletTemperatureUnit": "C"}, "elements": []}
unit label of another quantity|unknown unit label "bar"|{"medium": {"flowUnit": "bar"}, "elements": []}
unknown slot unit|unknown unit label "cm"|{"elements": [{"kind": [1, 1], "slots": [["25", "cm"]]}]}
unknown roughness unit|unknown unit label "µm"|{"elements": [{"kind": [1, 1], "roughnessUnit": "µm"}]}
unit label as a number|unknown unit label "3"|{"medium": {"flowUnit": 3}, "elements": []}
kind 0/0|unknown element kind \[0, 0\]|{"elements": [{"kind": [0, 0]}]}
kind 14/1|unknown element kind \[14, 1\]|{"elements": [{"kind": [14, 1]}]}
kind 1/99|unknown element kind \[1, 99\]|{"elements": [{"kind": [1, 99]}]}
negative kind|unknown element kind \[-5, 1\]|{"elements": [{"kind": [-5, 1]}]}
kind beyond 64 bits|unknown element kind \[18446744073709551615, 1\]|{"elements": [{"kind": [18446744073709551615, 1]}]}
kind as a text|expected \[group, subgroup\]|{"elements": [{"kind": "1/1"}]}
kind of texts|expected \[group, subgroup\]|{"elements": [{"kind": ["1", "1"]}]}
kind of fractions|expected \[group, subgroup\]|{"elements": [{"kind": [1.5, 1]}]}
kind of three numbers|expected \[group, subgroup\]|{"elements": [{"kind": [1, 1, 1]}]}
kind as an object|expected \[group, subgroup\]|{"elements": [{"kind": {"group": 1, "subgroup": 1}}]}
no kind|no "kind"|{"elements": [{"designation": "pipe"}]}
slots as an object|key "slots": expected a list|{"elements": [{"kind": [1, 1], "slots": {"1": "25"}}]}
a slot as a number|slot 1: expected \[text, unit\]|{"elements": [{"kind": [1, 1], "slots": [25]}]}
an empty slot|slot 1: expected \[text, unit\]|{"elements": [{"kind": [1, 1], "slots": [[]]}]}
a slot of three|slot 2: expected \[text, unit\]|{"elements": [{"kind": [1, 1], "slots": [["25", "mm"], ["1", "m", "x"]]}]}
a slot text as a list|slot 1: expected a text|{"elements": [{"kind": [1, 1], "slots": [[["25"], "mm"]]}]}
a slot text as null|slot 1: expected a text|{"elements": [{"kind": [1, 1], "slots": [[null]]}]}
more slots than the kind has|has 2 slot(s), not 6|{"elements": [{"kind": [1, 1], "slots": [["1"], ["1"], ["1"], ["1"], ["1"], ["1"]]}]}
a designation as a list|key "designation": expected a text|{"elements": [{"kind": [1, 1], "designation": ["suction"]}]}
a count as true|key "count": expected a text|{"elements": [{"kind": [1, 1], "count": true}]}
a flow as an object|key "flow": expected a text|{"medium": {"flow": {"value": 1}}, "elements": []}
medium as a list|medium: expected an object|{"medium": [], "elements": []}
settings as a text|settings: expected an object|{"settings": "metric", "elements": []}
an element's medium as a text|key "medium": expected an object|{"elements": [{"kind": [1, 1], "medium": "Water"}]}
state as a number|key "state"|{"medium": {"state": 1}, "elements": []}
unknown state|"solid" is neither|{"medium": {"state": "solid"}, "elements": []}
unknown unit system|"SI" is neither|{"settings": {"units": "SI"}, "elements": []}
decimals as a fraction|key "decimals": expected a small whole number|{"settings": {"decimals": 2.5}, "elements": []}
decimals beyond 64 bits|key "decimals": expected a small whole number|{"settings": {"decimals": 99999999999999999999}, "elements": []}
decimals of seven|key "decimals": expected 0|{"settings": {"decimals": 7}, "elements": []}
negative decimals|key "decimals": expected 0|{"settings": {"decimals": -1}, "elements": []}
option as a fraction|key "option": expected a small whole number|{"elements": [{"kind": [2, 1], "option": 0.5}]}
option beyond 64 bits|key "option": expected a small whole number|{"elements": [{"kind": [2, 1], "option": 18446744073709551615}]}
option of a kind without a choice|no two-option choice|{"elements": [{"kind": [1, 1], "option": 0}]}
branch flow of a kind without one|no branch-flow entry|{"elements": [{"kind": [1, 1], "branchFlow": "1"}]}
a tab in a designation|key "designation": the text holds a control character (U+0009)|{"elements": [{"kind": [1, 1], "designation": "a\tb"}]}
a line break in a slot|slot 1: the text holds a control character (U+000A)|{"elements": [{"kind": [1, 1], "slots": [["25\n", "mm"]]}]}
a key given twice|the key "flow" is given twice in medium|{"medium": {"flow": "1", "flow": "2"}, "elements": []}
a key given twice in an element|the key "count" is given twice in elements\[1\]|{"elements": [{"kind": [1, 1]}, {"kind": [1, 1], "count": "1", "count": "2"}]}
a top key given twice|the key "elements" is given twice at the top|{"elements": [], "elements": [{"kind": [1, 1]}]}
a zero byte in the medium name|key "name": the text holds a control character (U+0000)|{"medium": {"name": "Water\u0000"}, "elements": []}
CASES
)
while IFS='|' read -r name pattern json; do
  printf '%s' "$json" >"$work/bad.json"
  run calc "$work/bad.json"
  expect_refused "$name" "$pattern"
done <<<"$refused_cases"

# Bytes that are no UTF-8 text.
printf '{"elements": [{"kind": [1, 1], "designation": "\xff\xfe"}]}' >"$work/bad.json"
run calc "$work/bad.json"
expect_refused "bytes that are no UTF-8" "not valid JSON"

# A NUL byte ends the text for the JSON parser; what follows it must not be passed over.
findings=$2/../data/fuzz-findings
run calc "$findings/nul-ends-json-trailing-garbage.json"
expect_refused "a NUL byte before trailing garbage" "a NUL byte at byte 33"
run calc "$findings/kind-unsigned-wraps-to-minus-1.json"
expect_refused "a kind of 2^64 - 1" "unknown element kind \[18446744073709551615, 1\]"
# 64 KiB of empty objects, once a quadratic parse: read in one pass, then refused for its key.
run calc "$findings/quadratic-parse-64KiB.json"
expect_refused "64 KiB of empty objects" 'unknown key "x"'
# The second of two losses of 6E+4931 mbar would make the total overflow: that calculation fails
# with its message, the first column stands and the total is written.
run calc "$findings/total-overflows-calc.json"
expect_status 1 "a total beyond the range"
grep -q "The calculation failed" "$work/err" || fail "a total beyond the range: no calculation-failed message"
tail -n 1 "$work/out" | grep -q ' 6.12E+4931 mbar or  6.12E+4928 bar$' ||
  fail "a total beyond the range: the total is '$(tail -n 1 "$work/out")'"
[ "$(head -n 1 "$work/out" | awk -F'\t' '{ print NF }')" -eq 2 ] || fail "a total beyond the range: not one column"

# ---- files that are not files ----------------------------------------------------------------------

run calc "$work"
expect_refused "a folder given as the pipeline" "it is a folder"
run calc "$work/none.json"
expect_refused "a missing pipeline" "none.json"
run calc "$examples/pump_suction_water.json" "$examples/oil_transfer_mass_flow.json"
expect_refused "two pipelines" "exactly one PIPELINE.json"
run calc "$examples/pump_suction_water.json" --project="$work"
expect_status 2 "a folder given as the project to write"
grep -q 'not written' "$work/err" || fail "a folder given as the project: no message that it was not written"

# ---- odd but usable input: a correct result ---------------------------------------------------------

# Numbers where texts are expected are taken as typed.
printf '%s' '{"medium": {"flow": 40, "density": 998.2}, "elements": [{"kind": [1, 1], "designation": 12,
  "count": 2, "slots": [[107.1, "mm"], [12, "m"]]}]}' >"$work/numbers.json"
run calc "$work/numbers.json"
expect_status 0 "numbers for texts"
expect_cell 6 1 "12" "numbers for texts"
expect_cell 7 1 "Circular pipe/2" "numbers for texts"
expect_cell 2 1 "40.000" "numbers for texts"

# An empty element list gives the empty table.
printf '%s' '{"elements": []}' >"$work/none.json"
run calc "$work/none.json"
expect_status 0 "no elements"
expect_cell 0 0 "Column:" "no elements"
tail -c 40 "$work/out" | grep -q '0.00 bar$' || fail "no elements: the total is not 0.00 bar"

# ---- large input -----------------------------------------------------------------------------------

# A 10 MB file: the example padded with blanks reads as the example itself.
run calc "$examples/pump_suction_water.json"
cp "$work/out" "$work/example"
{ head -c -2 "$examples/pump_suction_water.json"; head -c 10000000 /dev/zero | tr '\0' ' '; printf '}\n'; } \
  >"$work/padded.json"
run calc "$work/padded.json"
expect_status 0 "10 MB of blanks"
cmp -s "$work/example" "$work/out" || fail "10 MB of blanks: the table differs from the example's"

# A 10 MB designation is kept whole.
{ printf '{"elements": [{"kind": [1, 1], "designation": "'; head -c 10000000 /dev/zero | tr '\0' 'x'
  printf '"}]}'; } >"$work/long.json"
run calc "$work/long.json"
expect_status 0 "a 10 MB designation"
[ "$(cell 6 1 | wc -c)" -eq 10000001 ] || fail "a 10 MB designation: the cell is not the whole text"

# 10 MB of nested lists where the elements belong.
{ printf '{"elements": '; head -c 5000000 /dev/zero | tr '\0' '['; head -c 5000000 /dev/zero | tr '\0' ']'
  printf '}'; } >"$work/nested.json"
run calc "$work/nested.json"
expect_refused "10 MB of nested lists" "nested more than 64 levels"
{ printf '{"elements": [{"kind": [1, 1], "medium": '; yes '{"a": ' | head -n 1000000 | tr -d '\n'
  printf '1'; head -c 1000000 /dev/zero | tr '\0' '}'; printf '}]}'; } >"$work/objects.json"
run calc "$work/objects.json"
expect_refused "nested objects" "nested more than 64 levels"

# Input larger than any description or project, or without end.
truncate -s 65M "$work/huge.json"
run calc "$work/huge.json"
expect_refused "a 65 MB description" "larger than 64 MB"
run show "$work/huge.json"
expect_refused "a 65 MB project" "larger than 64 MB"
if [ -c /dev/zero ]; then
  run calc /dev/zero
  expect_refused "calc /dev/zero" "larger than 64 MB"
  run show /dev/zero
  expect_refused "show /dev/zero" "larger than 64 MB"
fi

# 10 000 elements, four kinds in turn: every one a column, numbered through, and the total is
# 2500 times the total of the four (each row-24 text has three decimals, so the sums are exact).
pipe='{"kind": [1, 1], "slots": [["107.1", "mm"], ["12", "m"]], "roughness": "0.05"}'
bend='{"kind": [4, 1], "slots": [["107.1", "mm"], ["321.3", "mm"], ["90"]]}'
valve='{"kind": [7, 4], "slots": [["107.1", "mm"], ["100", "mm"]]}'
inlet='{"kind": [2, 1], "slots": [["107.1", "mm"]]}'
medium='"medium": {"name": "Water", "flow": "40", "density": "998.2", "viscosity": "1002"}'
printf '{%s, "elements": [%s, %s, %s, %s]}' "$medium" "$pipe" "$bend" "$valve" "$inlet" >"$work/four.json"
run calc "$work/four.json"
expect_status 0 "four elements"
four_total=$(tail -n 1 "$work/out" | sed 's/.*:\([0-9.]*\) mbar.*/\1/')
{
  printf '{%s, "elements": [' "$medium"
  for ((i = 0; i < 2500; i++)); do
    [ "$i" -gt 0 ] && printf ', '
    printf '%s, %s, %s, %s' "$pipe" "$bend" "$valve" "$inlet"
  done
  printf ']}'
} >"$work/many.json"
run calc "$work/many.json"
expect_status 0 "10 000 elements"
expect_cell 0 10000 "10000" "10 000 elements"
expect_cell 7 9999 "$(cell 7 3)" "10 000 elements"
[ "$(head -n 1 "$work/out" | awk -F'\t' '{ print NF }')" -eq 10001 ] || fail "10 000 elements: not 10 000 columns"
# Compared as numbers: 2500 times a three-decimal total may end in a half that either side rounds.
got_bar=$(tail -n 1 "$work/out" | sed 's/.* or \([0-9.]*\) bar$/\1/')
awk -v t="$four_total" -v got="$got_bar" 'BEGIN { d = got - t * 2.5; exit !(got != "" && d < 0.0006 && d > -0.0006) }' ||
  fail "10 000 elements: total '$(tail -n 1 "$work/out")', want $four_total mbar × 2500"

# ---- show with what is not a project ---------------------------------------------------------------

# Seeded random bytes, alone and behind a version line.
RANDOM=20240611
garbage=""
for ((i = 0; i < 4096; i++)); do garbage+=$(printf '\\x%02x' $((RANDOM % 256))); done
printf "$garbage" >"$work/garbage.vla"
run show "$work/garbage.vla"
expect_refused "show random bytes" "invalid"
{ printf '6.0\r\n'; printf "$garbage"; } >"$work/garbage6.vla"
run show "$work/garbage6.vla"
expect_refused "show random bytes behind a version line" "invalid"
{ printf '4.0\r\n'; printf "$garbage"; } >"$work/garbage4.vla"
run show "$work/garbage4.vla"
expect_refused "show random bytes behind an old version line" "invalid"

# NAME | the file's bytes (printf format)
show_cases=$(cat <<'CASES'
an empty file|
a version line only|6.0\r\n
a column count of a thousand million|6.0\r\nheading\r\nM\r\n1000000000\r\n
a negative column count|6.0\r\nheading\r\nM\r\n-1\r\n
a column count that is no number|6.0\r\nheading\r\nM\r\nabc\r\n
an old file of a thousand million columns|4.0\r\nM\r\n1000000000\r\n150\t\r\n24\r\nArial\r\n0\r\n8\r\n0\r\n0\r\n0\r\n0\r\n
CASES
)
while IFS='|' read -r name bytes; do
  printf "$bytes" >"$work/case.vla"
  run show "$work/case.vla"
  expect_refused "show $name" "invalid"
done <<<"$show_cases"

run show "$work"
expect_refused "show a folder" "it is a folder"
run show "$examples/pump_suction_water.json"
expect_refused "show a pipeline description" "invalid"
run show "$work/none.vla" --edition=E
expect_refused "show a missing file" "none.vla"

# A project cut off in its last line is refused; one with an extra empty line reads whole.
run calc "$examples/pump_suction_water.json" --project="$work/pump.vla"
expect_status 0 "calc --project"
cp "$work/out" "$work/calculated"
head -c -10 "$work/pump.vla" >"$work/cut.vla"
run show "$work/cut.vla"
expect_refused "show a project cut off" "invalid"
{ cat "$work/pump.vla"; printf '\r\n'; } >"$work/extra.vla"
run show "$work/extra.vla"
expect_status 0 "show a project with an extra empty line"
cmp -s "$work/calculated" "$work/out" || fail "show a project with an extra empty line: the table differs"
run calc "$work/pump.vla"
expect_refused "calc a project file" "not valid JSON"

if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
