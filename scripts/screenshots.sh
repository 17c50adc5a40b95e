#!/bin/sh
# Renders every page of every product in each of its states with the Qt host (offscreen):
# runs each script of tests/screens/ in docs/screenshots/, where its `screenshot` lines write.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/mirel-scenario" ] || cmake --build "$build" --target mirel-scenario
out=docs/screenshots
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
for script in tests/screens/*.scn; do
  (cd "$out" && "../../$build/mirel-scenario" --host qt "../../$script" >/dev/null 2>&1) ||
    echo "warning: $script did not run to its end"
done
ls "$out"
