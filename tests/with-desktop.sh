#!/bin/sh
# Runs a command on a desktop of its own: a fresh virtual X display (Xvfb) with a window
# manager (openbox), so that windows are framed, placed, mapped and closed as on a real
# desktop. Everything lives in a temporary folder and ends with the command.
set -u
dir=$(mktemp -d "${TMPDIR:-/tmp}/mirel-desktop.XXXXXX") || exit 1
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
i=0
while [ ! -s "$dir/display" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
if [ ! -s "$dir/display" ]; then echo "Xvfb did not start"; cat "$dir/xvfb.log"; kill $xvfb 2>/dev/null; rm -rf "$dir"; exit 1; fi
display=":$(cat "$dir/display")"
mkdir -p "$dir/home"
HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_CACHE_HOME="$dir/home/.cache" DISPLAY="$display" \
  openbox --sm-disable >"$dir/openbox.log" 2>&1 &
wm=$!
i=0
until DISPLAY="$display" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  i=$((i + 1))
  if [ $i -gt 100 ]; then echo "openbox did not start"; cat "$dir/openbox.log"; break; fi
  sleep 0.1
done
HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_CACHE_HOME="$dir/home/.cache" \
  XDG_RUNTIME_DIR="$dir" DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@"
status=$?
kill $wm $xvfb 2>/dev/null
wait 2>/dev/null
rm -rf "$dir"
exit $status
