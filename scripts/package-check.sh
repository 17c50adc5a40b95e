#!/bin/sh
# Builds the Debian package as it ships and checks it. BUILD is the test build folder; the
# package comes from a Release build of the wizard alone with Debian's hardening flags, in its
# own folder BUILD-package (kept, so that a second run only rebuilds what changed), stripped by
# CPack; the package stays in BUILD-package/package/. lintian (pedantic, with infos), appstreamcli and desktop-file-validate must find
# nothing. Then the package is unpacked into a fresh folder: it must hold the wizard, its
# manual page, copyright, changelog, desktop entry, icon and metainfo and no test tool, and the
# installed program must start and keep its welcome page open (offscreen).
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
build=${1%/}
pkg="$build-package"
work=$(mktemp -d "${TMPDIR:-/tmp}/mirel-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "$1"
  [ -z "${2-}" ] || cat "$2"
  exit 1
}

# Debian's build flags with every hardening feature (bindnow too), taken in the source folder so
# that the debug paths they map are the source's. The Release type adds only NDEBUG: the
# optimisation level is Debian's (-O2).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { (cd "$src" && dpkg-buildflags --get "$1"); }
cmake -S "$src" -B "$pkg" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DMIREL_TESTS=OFF -DMIREL_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
  >"$work/configure.log" 2>&1 || fail "configuring the package build failed:" "$work/configure.log"
pkg=$(cd "$pkg" && pwd)
cmake --build "$pkg" -j"$(nproc)" >"$work/build.log" 2>&1 || fail "the package build failed:" "$work/build.log"
! grep -q -i 'warning:' "$work/build.log" || fail "the package build warns:" "$work/build.log"
rm -rf "$pkg/package"
(cd "$pkg" && cpack -G DEB -B "$pkg/package") >"$work/cpack.log" 2>&1 || fail "cpack failed:" "$work/cpack.log"
deb=$(ls "$pkg"/package/*.deb)

dpkg-deb --info "$deb" | grep -q 'Depends:.*libqt6widgets6' || fail "package declares no Qt dependency"
version=$(dpkg-deb -f "$deb" Version)
logged=$(dpkg-parsechangelog -l "$src/res/package/changelog" -S Version)
[ "$version" = "$logged" ] || fail "package version $version has no changelog entry (the latest is $logged)"

# Every tag lintian prints is a finding, whatever its level.
lintian --pedantic --display-info --display-experimental --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
  true
grep -v -e '^running with root privileges' "$work/lintian.log" >"$work/findings.log" || true
[ ! -s "$work/findings.log" ] || fail "lintian:" "$work/findings.log"

dpkg-deb -x "$deb" "$work/root"
for f in usr/bin/mirel usr/share/applications/mirel.desktop usr/share/icons/hicolor/scalable/apps/mirel.svg \
  usr/share/man/man1/mirel.1.gz usr/share/doc/mirel/copyright usr/share/doc/mirel/changelog.Debian.gz \
  usr/share/metainfo/com.varenta.mirel.metainfo.xml; do
  [ -e "$work/root/$f" ] || fail "package lacks $f"
done
[ ! -e "$work/root/usr/bin/mirel-scenario" ] || fail "package holds the test tool mirel-scenario"

appstreamcli validate-tree --no-net --pedantic --explain "$work/root" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli:" "$work/appstream.log"
grep -q -E '^[EWIP]:' "$work/appstream.log" && fail "appstreamcli:" "$work/appstream.log"
desktop-file-validate "$work/root/usr/share/applications/mirel.desktop" >"$work/desktop.log" 2>&1 || true
[ ! -s "$work/desktop.log" ] || fail "desktop-file-validate:" "$work/desktop.log"

export QT_QPA_PLATFORM=offscreen
# The installed program keeps running while the welcome page is open.
status=0
timeout 3 "$work/root/usr/bin/mirel" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "installed program ended early with status $status"
# The package build's scenario runner (same code, same flags) shows what the welcome page holds.
printf 'caption\nshow 1244\n' >"$work/smoke.scn"
out=$("$pkg/mirel-scenario" --host qt "$work/smoke.scn" 2>/dev/null)
expected='page CWelcomeDlg
caption "Varenta Support Bericht - Version 1.22+"
control 1244 text="Dieses Programm unterstützt Sie bei der Erstellung von technischen Reports für die unten aufgeführten Produkte." visible=1 enabled=1
end'
[ "$out" = "$expected" ] || { echo "the package build shows no welcome page:"; echo "$out"; exit 1; }
echo "package ok: $deb"
