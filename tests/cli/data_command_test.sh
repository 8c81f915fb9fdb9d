#!/usr/bin/env bash
# velmora-cli data: the built text files decipher to their readable sources.
set -u
cli=$1
src=$2/../../data/text
data=$(dirname "$cli")
fail() { echo "FAIL: $*"; exit 1; }
for f in varglob varsonst; do
  "$cli" data decipher --key=data "$data/$f.gru" >/tmp/velmora-$$.txt || fail "$f: decipher failed"
  diff -q /tmp/velmora-$$.txt "$src/$f.txt" >/dev/null || { rm -f /tmp/velmora-$$.txt; fail "$f.gru differs from its source"; }
done
rm -f /tmp/velmora-$$.txt
"$cli" data decipher --key=nonsense "$data/varglob.gru" 2>/dev/null && fail "unknown key accepted"
echo "1 passed, 0 failed"
