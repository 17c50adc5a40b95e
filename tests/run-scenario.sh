#!/bin/sh
# Runs one scenario script on one host in a fresh temporary folder and compares the log with
# NAME.log and the saved files with those in NAME.files/ (when that folder exists).
set -u
runner=$1
host=$2
script=$3
base=${script%.scn}
work=$(mktemp -d "${TMPDIR:-/tmp}/mirel-scenario.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
cp "$script" "$work/script.scn"
if [ -d "$base.in" ]; then cp -R "$base.in/." "$work/"; fi
(cd "$work" && "$runner" --host "$host" script.scn > log.out 2> log.err)
status=$?
fail=0
if [ "$status" -ne 0 ] && ! grep -q '^error ' "$base.log"; then
  echo "runner exit status $status"; cat "$work/log.err"; fail=1
fi
if ! diff -u "$base.log" "$work/log.out"; then fail=1; fi
if [ -d "$base.files" ]; then
  for expected in "$base.files"/*; do
    got="$work/$(basename "$expected")"
    if ! cmp "$expected" "$got"; then echo "saved file differs: $(basename "$expected")"; fail=1; fi
  done
fi
exit $fail
