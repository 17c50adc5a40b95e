#!/bin/sh
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each for a bounded time on its seed corpus. New inputs go to a temporary folder.
set -eu
cd "$(dirname "$0")/.."
seconds=${MIREL_FUZZ_SECONDS:-45}
CXX=clang++ cmake -S . -B build-fuzz -DMIREL_FUZZ=ON -DMIREL_WITH_QT=OFF -DMIREL_TESTS=OFF -DMIREL_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
work=$(mktemp -d "${TMPDIR:-/tmp}/mirel-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
for target in build-fuzz/fuzz/fuzz-*; do
  name=$(basename "$target" | sed 's/^fuzz-//' | tr 'A-Z' 'a-z')
  mkdir -p "$work/$name"
  echo "fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=65536 -print_final_stats=0 -artifact_prefix="$work/" \
    "$work/$name" "fuzz/corpus/$name" >"$work/$name.log" 2>&1 || { tail -40 "$work/$name.log"; exit 1; }
done
echo "All fuzz targets ran clean."
