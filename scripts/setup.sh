#!/bin/sh
# Installs the Debian packages Mirel needs to build, run and test (only those missing).
set -eu
packages="cmake make g++ pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
fonts-liberation libgtest-dev libgmock-dev googletest libbenchmark-dev clang libclang-rt-14-dev
clang-tidy cppcheck dpkg-dev file lintian appstream desktop-file-utils xvfb openbox xdotool
x11-utils"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
