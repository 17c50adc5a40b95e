#!/bin/sh
# Cross-builds the Windows program with mingw-w64 and tests it under Wine: the unit tests, every
# scenario script with --host win32 (logs and saved files compared as on the other hosts), and
# the installer (silent install, the installed program shows its welcome page, silent uninstall
# leaves nothing behind). Everything runs in one temporary Wine prefix under one wineserver, on
# an Xvfb display of its own.
#   scripts/windows-check.sh [BUILD-DIR]      (default build-win)
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build-win}

packages="g++-mingw-w64-x86-64-posix wine wine64 xvfb nsis librsvg2-bin icoutils netpbm googletest"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  $sudo apt-get install -y -qq --no-install-recommends $missing
fi

jobs=$(nproc)
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$jobs" --target mirel mirel-scenario mirel_tests mirel_win32_tests mirel-pageprobe
(cd "$build" && cpack -G "NSIS;ZIP" >/dev/null)

work=$(mktemp -d "${TMPDIR:-/tmp}/mirel-windows.XXXXXX")
. scripts/wine-session.sh
wine_session_start "$work"

fail=0
echo "== unit tests under Wine"
for test in tests/mirel_tests mirel_win32_tests; do
  log="$work/$(basename "$test").log"
  if ! (cd "$work" && wine "$root/$build/$test.exe" --gtest_brief=1 >"$log" 2>&1); then
    cat "$log"; fail=1
  else
    tail -n 1 "$log"
  fi
done

echo "== scenarios with --host win32"
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$root/$build/mirel-scenario.exe" >"$work/runner"
chmod +x "$work/runner"
mkdir "$work/results"
# shellcheck disable=SC2016 # the inner shell expands its own arguments
find tests/scenarios -maxdepth 1 -name '*.scn' -print0 | xargs -0 -P "$jobs" -I{} sh -c \
  'name=$(basename "$1" .scn); if tests/run-scenario.sh "$2" win32 "$1" >"$3/$name.out" 2>&1; then touch "$3/$name.ok"; fi' \
  _ {} "$work/runner" "$work/results"
total=0
passed=0
for script in tests/scenarios/*.scn; do
  name=$(basename "$script" .scn)
  total=$((total + 1))
  if [ -e "$work/results/$name.ok" ]; then passed=$((passed + 1)); else echo "FAIL $name"; cat "$work/results/$name.out"; fail=1; fi
done
echo "$passed of $total scenarios identical"

echo "== installer"
scripts/windows-installer-test.sh "$build" "$work" || fail=1

[ "$fail" -eq 0 ] && echo "The Windows build passed its unit tests, every scenario and the installer test under Wine."
exit "$fail"
