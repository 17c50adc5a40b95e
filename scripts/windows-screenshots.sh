#!/bin/sh
# Renders every page of every product in each of its states with the win32 host under Wine into
# docs/screenshots/windows/: runs each script of tests/screens/ with --host win32 in that folder,
# in a Wine virtual desktop so that the window frames are drawn.
#   scripts/windows-screenshots.sh [BUILD-DIR]      (default build-win, see scripts/windows-check.sh)
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build-win}
[ -f "$build/mirel-scenario.exe" ] || cmake --build "$build" --target mirel-scenario
out=docs/screenshots/windows
mkdir -p "$out"
work=$(mktemp -d "${TMPDIR:-/tmp}/mirel-screens.XXXXXX")
. scripts/wine-session.sh
wine_session_start "$work" virtual-desktop
# The scripts name their input files relative to docs/screenshots/ (../../tests/...): they run
# two folders below a link to the tests, and their pictures move to $out afterwards.
mkdir -p "$work/shots/a/b"
ln -s "$root/tests" "$work/shots/tests"
for script in tests/screens/*.scn; do
  (cd "$work/shots/a/b" && wine "$root/$build/mirel-scenario.exe" --host win32 "$root/$script" >/dev/null 2>&1) ||
    echo "warning: $script did not run to its end"
done
mv "$work/shots/a/b/"*.png "$out/"
ls "$out"
