#!/bin/sh
# Static analysis of the project's own code: clang-tidy with the checks of .clang-tidy and cppcheck,
# over the program, the platform layer (Qt host included), the templates, the scenario runner, the
# tests, the fuzz targets and the benchmarks. Exits non-zero on any finding.
#
# The compile commands come from a configure-only build folder (nothing is compiled) set up with
# clang++, Qt and the fuzz targets, so that every source file has its flags. Findings in files that
# are not listed in .clang-tidy's header filter (Qt, Google Test, the standard library) are not ours.
#   MIREL_ANALYZE_BUILD   the build folder to use (default: build-analyze)
#   MIREL_ANALYZE_JOBS    parallel clang-tidy runs (default: 2)
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=${MIREL_ANALYZE_BUILD:-build-analyze}
jobs=${MIREL_ANALYZE_JOBS:-2}
tidy=${CLANG_TIDY:-clang-tidy-14}

CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DMIREL_WITH_QT=ON -DMIREL_TESTS=ON \
  -DMIREL_BENCH=ON -DMIREL_FUZZ=ON -DMIREL_SANITIZE=OFF >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/mirel-analyze.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The project's own sources, as the build knows them (generated files left out).
git ls-files -- 'app/*.cpp' 'pages/*.cpp' 'report/*.cpp' 'platform/*.cpp' 'res/*.cpp' 'tools/*.cpp' \
  'tests/*.cpp' 'fuzz/*.cpp' 'bench/*.cpp' |
  # The Windows host, its entry and its tests build only with the Windows compiler.
  grep -vE '^(platform/win32/|tests/win32/|app/WinMain\.cpp$)' >"$work/files"
[ -s "$work/files" ] || { echo "analyze: no sources found" >&2; exit 1; }

status=0

echo "clang-tidy over $(wc -l <"$work/files") files (-j$jobs)"
mkdir "$work/tidy"
# One output file per source, printed together at the end so parallel runs do not interleave.
# shellcheck disable=SC2016
if ! xargs -P "$jobs" -I '{}' sh -c '
    out="$2/$(printf "%s" "$3" | tr / _).txt"
    "$0" -p "$1" --quiet "$3" >"$out" 2>&1 || { echo "$3" >>"$out.failed"; }
  ' "$tidy" "$build" "$work/tidy" '{}' <"$work/files"; then
  status=1
fi
# A finding counts when it lies in our code. The path-sensitive checks sometimes end a report inside
# a library header (a Qt timer or a benchmark registration that takes ownership of what it is
# given); those are the library's business and cannot be marked at the line.
for failed in "$work"/tidy/*.failed; do
  [ -e "$failed" ] || continue
  out=${failed%.failed}
  if grep -q -E "^$root/[^:]+:[0-9]+:[0-9]+: (warning|error):|^Error while processing" "$out"; then
    # Keep the findings and their context; drop the "N warnings generated" chatter.
    grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Use -system-headers' "$out" || true
    status=1
  fi
done

echo "cppcheck over the same files"
# shellcheck disable=SC2046
if ! cppcheck --enable=warning,performance,portability --error-exitcode=1 --inline-suppr --std=c++20 \
  --library=googletest --library=qt -I "$root" --suppress=missingIncludeSystem --quiet \
  --template='{file}:{line}:{column}: {severity}: {message} [{id}]' \
  $(cat "$work/files"); then
  status=1
fi

if [ "$status" -ne 0 ]; then
  echo "Static analysis found problems (see above)." >&2
else
  echo "Static analysis clean: clang-tidy and cppcheck."
fi
exit "$status"
