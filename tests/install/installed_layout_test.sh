#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it from there: the command line on an example
# and a water state, the desktop program started offscreen, the desktop entry and AppStream file
# validated, every data file in place, and nothing that points back into the build folder.
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/velmora bin/velmora-cli bin/velmora-render share/applications/velmora.desktop \
            share/mime/packages/velmora.xml share/metainfo/app.velmora.Velmora.metainfo.xml \
            share/icons/hicolor/scalable/apps/velmora.svg share/icons/hicolor/48x48/apps/velmora.png \
            share/icons/hicolor/256x256/mimetypes/application-x-velmora-project.png \
            share/man/man1/velmora.1.gz share/man/man1/velmora-cli.1.gz share/doc/velmora/velmora_en.html \
            share/doc/velmora/PIPELINE.md; do
  [ -e "$prefix/$file" ] || fail "$file is not installed"
done
while read -r data; do
  [ -n "$data" ] || continue
  [ -e "$prefix/share/velmora/$(basename "$data")" ] || fail "data file $(basename "$data") is not installed"
done < "$build/installed-data.txt"

# Run from an unrelated folder, with the build folder's programs out of reach.
work=$(mktemp -d -p "$prefix")
cp "$source_dir/examples/pump_suction_water.json" "$work/"
cd "$work"
export HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/home/.config"
"$prefix/bin/velmora-cli" calc pump_suction_water.json > table.txt || fail "installed velmora-cli calc failed"
grep -q "suction pipe DN 100" table.txt || fail "calc printed no table: $(head -c 300 table.txt)"
"$prefix/bin/velmora-cli" props water 5 20 > water.txt || fail "installed velmora-cli props failed"
grep -q "^density: 998\." water.txt || fail "props water gave $(cat water.txt)"
# The system curve with a PDF through the installed picture helper.
"$prefix/bin/velmora-cli" curve pump_suction_water.json --from=0 --to=60 --pdf=curve.pdf > curve.txt \
  || fail "installed velmora-cli curve failed"
head -c 4 curve.pdf | grep -q "%PDF" || fail "curve wrote no PDF"

# The desktop program starts and keeps running (timeout ends it after a second: status 124).
status=0
QT_QPA_PLATFORM=offscreen timeout 1 "$prefix/bin/velmora" > velmora.log 2>&1 || status=$?
[ "$status" = 124 ] || fail "the installed desktop program ended with status $status: $(cat velmora.log)"

desktop-file-validate "$prefix/share/applications/velmora.desktop" || fail "desktop entry not valid"
appstreamcli validate --no-net "$prefix/share/metainfo/app.velmora.Velmora.metainfo.xml" || fail "AppStream file not valid"
xmllint --noout "$prefix/share/mime/packages/velmora.xml" 2>/dev/null || [ ! -x "$(command -v xmllint)" ] \
  || fail "MIME description not well formed"

# Nothing installed refers to the build folder: no run path, no path in the programs (debug
# information aside) or in the data files.
for program in velmora velmora-cli velmora-render; do
  if readelf -d "$prefix/bin/$program" | grep -E "RPATH|RUNPATH" | grep -q "$build"; then
    fail "$program has a run path into the build folder"
  fi
  objcopy --strip-debug "$prefix/bin/$program" "$work/$program.stripped"
  if grep -q -a -F "$build" "$work/$program.stripped"; then fail "$program names the build folder"; fi
done
if grep -r -l -a -F "$build" "$prefix/share" >/dev/null; then fail "an installed file names the build folder"; fi
echo "installed layout ok"
