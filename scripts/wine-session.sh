# shellcheck shell=sh
# Sourced by the Windows scripts: one Xvfb display and one temporary Wine prefix under one
# wineserver for every program of a run, removed again when the script ends.
#   wine_session_start WORK-DIR [virtual-desktop]
# sets DISPLAY, WINEPREFIX and WINEDEBUG; with "virtual-desktop" Wine draws the window frames
# itself (there is no window manager), as the screenshots need.

wine_session_work=""
wine_session_xvfb=""

wine_session_stop() {
  if [ -n "$wine_session_work" ]; then
    WINEPREFIX="$wine_session_work/prefix" wineserver -k 2>/dev/null || true
  fi
  if [ -n "$wine_session_xvfb" ]; then kill "$wine_session_xvfb" 2>/dev/null || true; fi
  if [ -n "$wine_session_work" ]; then rm -rf "$wine_session_work"; fi
}

wine_session_start() {
  wine_session_work=$1
  trap wine_session_stop EXIT INT TERM
  display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$wine_session_work/xvfb.log" 2>&1 &
  wine_session_xvfb=$!
  export DISPLAY=":$display" WINEPREFIX="$wine_session_work/prefix" WINEDEBUG=-all
  # No Mono or Gecko: the programs need neither, and their installers would ask.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  tries=0
  while [ ! -e "/tmp/.X11-unix/X$display" ] && [ "$tries" -lt 50 ]; do sleep 0.1; tries=$((tries + 1)); done
  if [ "${2:-}" = virtual-desktop ]; then
    wineboot -i >"$wine_session_work/wineboot.log" 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    wineserver -w # the desktop setting holds from the next start of the server on
    wineserver -p # one server for every program of the run
  else
    mkdir -p "$WINEPREFIX"
    wineserver -p # one server for every program of the run, started before the first of them
    wineboot -i >"$wine_session_work/wineboot.log" 2>&1
  fi
}
