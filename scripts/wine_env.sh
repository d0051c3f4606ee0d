# Wine and a private X display for running the Windows programs and their
# tests. Source it from bash, then start it:
#
#   source scripts/wine_env.sh
#   wine_env_start                  # private Xvfb, prefix build/wineprefix
#   wine_env_start --use-display    # the DISPLAY already set, if it answers
#
#   TQ_WINEPREFIX=$PWD/build/wineprefix-me TQ_DISPLAY=73 wine_env_start
#
# wine_env_start exports DISPLAY, WINEPREFIX, LANG, WINEDEBUG and WINE (the
# wine64 loader), creates the prefix on first use and sets an EXIT trap that
# stops this prefix's wineserver and the Xvfb it started (by pid; Wine
# processes are never ended by name). wine_env_stop does the same by hand.
#
# Overrides (environment, all optional):
#   TQ_WINEPREFIX     the prefix to use (default: an exported WINEPREFIX,
#                     else <repo>/build/wineprefix)
#   TQ_DISPLAY        the display number for the private Xvfb (default: the
#                     first free one from 90 on)
#
# Tests always get a private, empty screen of a known size: the end-to-end
# cases measure and centre windows on it. Only --use-display (for looking at
# the program) uses the caller's display.

tq_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tq_wine64=/usr/lib/wine/wine64
tq_wineserver=/usr/lib/wine/wineserver
# The tests place and measure windows on this screen.
tq_screen=1280x800x24

TQ_XVFB_PID=

tq_display_free() {
  [ ! -e "/tmp/.X11-unix/X$1" ] && [ ! -e "/tmp/.X$1-lock" ]
}

tq_start_xvfb() {
  local n=${TQ_DISPLAY:-}
  if [ -z "$n" ]; then
    n=90
    while ! tq_display_free "$n"; do n=$((n + 1)); done
  elif ! tq_display_free "$n"; then
    echo "wine_env: display :$n is taken" >&2
    return 1
  fi
  Xvfb ":$n" -screen 0 "$tq_screen" -nolisten tcp >/dev/null 2>&1 &
  TQ_XVFB_PID=$!
  local i
  for i in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    if ! kill -0 "$TQ_XVFB_PID" 2>/dev/null; then
      echo "wine_env: Xvfb :$n did not start" >&2
      TQ_XVFB_PID=
      return 1
    fi
    sleep 0.1
  done
  export DISPLAY=":$n"
}

tq_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine_env: creating Wine prefix $WINEPREFIX (about 10 s)" >&2
    mkdir -p "$WINEPREFIX"
    "$tq_wine64" wineboot -i >/dev/null 2>&1 || { echo "wine_env: wineboot failed" >&2; return 1; }
  fi
  # Wine's own notification area would take the Shell_TrayWnd class that the
  # end-to-end driver creates to watch the program's tray icon.
  local marker="$WINEPREFIX/.tq-systray-off"
  if [ ! -f "$marker" ]; then
    "$tq_wine64" reg add 'HKCU\Software\Wine\Explorer' /v ShowSystray /t REG_SZ /d N /f >/dev/null 2>&1 \
      || { echo "wine_env: could not turn Wine's systray off" >&2; return 1; }
    touch "$marker"
  fi
}

tq_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && WINEPREFIX=$WINEPREFIX "$tq_wineserver" -k 2>/dev/null
  if [ -n "$TQ_XVFB_PID" ]; then
    kill "$TQ_XVFB_PID" 2>/dev/null
    wait "$TQ_XVFB_PID" 2>/dev/null
    TQ_XVFB_PID=
  fi
  return 0
}

wine_env_stop() { tq_wine_stop; }

wine_env_start() {
  export WINEPREFIX=${TQ_WINEPREFIX:-${WINEPREFIX:-$tq_root/build/wineprefix}}
  # The program's ...A calls need code page 936 as the ANSI code page, which
  # Wine takes from the locale.
  export LANG=zh_CN.UTF-8
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINE=$tq_wine64
  if [ "${1:-}" = --use-display ] && [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    :
  else
    tq_start_xvfb || return 1
  fi
  trap tq_wine_stop EXIT
  tq_prepare_prefix || return 1
  echo "wine_env: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX" >&2
}
