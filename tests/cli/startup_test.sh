#!/usr/bin/env bash
# Without its text files the program stops with the fixed start-up message and exit status 2.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$cli" "$work/velmora-cli"
"$work/velmora-cli" props water 1 20 >"$work/out" 2>"$work/err"
status=$?
fail() { echo "FAIL: $*"; echo "--- stderr:"; cat "$work/err"; exit 1; }
[ "$status" -eq 2 ] || fail "exit status $status, expected 2"
grep -q "The files elemente.gru/varsonst.gru/varglob.gru are not available. It is not possible to start the program." "$work/err" \
  || fail "start-up message missing"
[ ! -s "$work/out" ] || fail "printed on standard output"

# A short global text file is as bad as a missing one.
data=$(dirname "$cli")
cp "$data/elemente.gru" "$data/varsonst.gru" "$work/"
head -n 100 "$data/varglob.gru" >"$work/varglob.gru"
"$work/velmora-cli" props water 1 20 >/dev/null 2>"$work/err"
status=$?
[ "$status" -eq 2 ] || fail "short file: exit status $status, expected 2"
grep -q "not available" "$work/err" || fail "short file: start-up message missing"
echo "1 passed, 0 failed"
