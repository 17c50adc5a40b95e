#!/bin/sh
# Installs the Windows installer silently under Wine, starts the installed program and finds its
# welcome page, uninstalls it silently and checks that nothing of it is left: files, start menu
# entry, uninstall registration. Also checks the portable zip. Needs DISPLAY and WINEPREFIX set
# up (scripts/windows-check.sh does that).
#   scripts/windows-installer-test.sh BUILD-DIR WORK-DIR
set -u
build=$1
work=$2
installer=$(find "$build" -maxdepth 1 -name 'Mirel-*-win64.exe' | head -n 1)
zip=$(find "$build" -maxdepth 1 -name 'Mirel-*-win64.zip' | head -n 1)
welcome="Varenta Support Bericht - Version 1.22+"
dir="$WINEPREFIX/drive_c/Program Files/Mirel"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirel'
fail=0
check() { # check WHAT COMMAND...: runs COMMAND, reports WHAT when it fails
  what=$1; shift
  if "$@" >/dev/null 2>&1; then echo "ok   $what"; else echo "FAIL $what"; fail=1; fi
}
links="find \"$WINEPREFIX/drive_c\" -iname \"Mirel*.lnk\""

check "installer and zip were built" test -n "$installer" -a -n "$zip"
[ "$fail" -eq 0 ] || exit 1
check "the zip holds mirel.exe" sh -c "python3 -m zipfile -l '$zip' | grep -q 'mirel.exe'"

check "silent install (/S)" wine "$installer" /S
check "mirel.exe installed" test -f "$dir/mirel.exe"
check "uninstaller installed" test -f "$dir/Deinstallieren.exe"
check "start menu entry" sh -c "$links | grep -q ."
check "uninstall registration" wine reg query "$key"

wine "C:\\Program Files\\Mirel\\mirel.exe" >"$work/installed.log" 2>&1 &
check "the installed program shows its welcome page" wine "$build/mirel-pageprobe.exe" "$welcome" 60
wait

check "silent uninstall (/S)" wine "C:\\Program Files\\Mirel\\Deinstallieren.exe" /S
# The uninstaller runs on as a copy of itself in the temporary folder; give it time to finish.
tries=0
while [ -e "$dir" ] && [ "$tries" -lt 60 ]; do sleep 0.5; tries=$((tries + 1)); done
check "nothing left in Program Files" test ! -e "$dir"
check "no start menu entry left" sh -c "! $links | grep -q ."
check "no uninstall registration left" sh -c "! wine reg query '$key'"
check "no vendor registry key left" sh -c "! wine reg query 'HKLM\\Software\\Varenta'"
exit "$fail"
