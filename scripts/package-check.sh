#!/bin/sh
# Builds the Debian package from the build folder given, unpacks it into a fresh folder and
# checks that the installed program starts and shows the welcome page (offscreen).
set -eu
build=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/mirel-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
dpkg-deb --info "$deb" | grep -q 'Depends:.*libqt6widgets6' || { echo "package declares no Qt dependency"; exit 1; }
dpkg-deb -x "$deb" "$work/root"
for f in usr/bin/mirel usr/share/applications/mirel.desktop usr/share/icons/hicolor/scalable/apps/mirel.svg; do
  [ -e "$work/root/$f" ] || { echo "package lacks $f"; exit 1; }
done
export QT_QPA_PLATFORM=offscreen
# The program keeps running while the welcome page is open.
status=0
timeout 3 "$work/root/usr/bin/mirel" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "installed program ended early with status $status"; exit 1; }
printf 'caption\nshow 1244\n' > "$work/smoke.scn"
out=$("$work/root/usr/bin/mirel-scenario" --host qt "$work/smoke.scn" 2>/dev/null)
expected='page CWelcomeDlg
caption "Varenta Support Bericht - Version 1.22+"
control 1244 text="Dieses Programm unterstützt Sie bei der Erstellung von technischen Reports für die unten aufgeführten Produkte." visible=1 enabled=1
end'
[ "$out" = "$expected" ] || { echo "installed program shows no welcome page:"; echo "$out"; exit 1; }
echo "package ok: $(basename "$deb")"
