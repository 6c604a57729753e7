#!/usr/bin/env bash
# Runs a command on a virtual X server of its own with a window manager (--wm openbox, fluxbox,
# metacity or xfwm4; openbox when not given), then stops what it started, and only that. The
# command gets DISPLAY and SKELLITH_WM; its exit status is this script's.
set -euo pipefail

wm_name=openbox
if [ "${1:-}" = "--wm" ]; then
  wm_name=$2
  shift 2
fi
case "$wm_name" in
  openbox) wm_command=(openbox --sm-disable) ;;
  fluxbox) wm_command=(fluxbox) ;;
  metacity) wm_command=(metacity --sm-disable --compositor=none) ;;
  xfwm4) wm_command=(xfwm4 --compositor=off --sm-client-disable) ;;
  *)
    echo "with_desktop: no window manager $wm_name (openbox, fluxbox, metacity, xfwm4)" >&2
    exit 2
    ;;
esac

work=$(mktemp -d)
pids=()
# Stops a process, outright when it has not ended after a few seconds.
end() {
  kill "$1" 2>/dev/null
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}
stop() {
  # Under set -e a failing kill or wait (a killed child returns non-zero) would end this early and
  # leave the server running. The last started goes first.
  set +e
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do end "${pids[i]}"; done
  rm -rf "$work"
}
trap stop EXIT

# The server picks a free display and writes its number once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
pids+=($!)
if ! read -r -t 30 number <"$work/display"; then
  echo "with_desktop: the X server did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$number"
export XDG_RUNTIME_DIR="$work"
export SKELLITH_WM="$wm_name"

# The window managers keep their settings in a home, and xfwm4 reads them over a session bus:
# each gets fresh ones of its own, with the defaults, so that the user's own never count.
mkdir -p "$work/home"
wm_env=(HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" GSETTINGS_BACKEND=memory)
if [ "$wm_name" = fluxbox ]; then
  # Without a wallpaper setter fluxbox puts up a message about it.
  mkdir -p "$work/home/.fluxbox"
  echo "session.styleOverlay: $work/home/.fluxbox/overlay" >"$work/home/.fluxbox/init"
  echo "background: none" >"$work/home/.fluxbox/overlay"
fi
if [ "$wm_name" = xfwm4 ]; then
  mkfifo "$work/bus"
  dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" \
    >"$work/dbus.log" 2>&1 &
  pids+=($!)
  if ! read -r -t 30 bus <"$work/bus"; then
    echo "with_desktop: the session bus did not start" >&2
    exit 1
  fi
  wm_env+=(DBUS_SESSION_BUS_ADDRESS="$bus")
fi

# A window manager that dies (metacity now and then does on a busy machine) is started again, and
# says so, so that one crash between two tests does not fail all that follow. Each start again
# adds a byte to SKELLITH_WM_RESTARTS, for the tests to tell.
export SKELLITH_WM_RESTARTS="$work/wm-restarts"
: >"$SKELLITH_WM_RESTARTS"
supervise() {
  # The X server goes next: nothing is lost by stopping the window manager outright.
  trap 'kill -KILL "$wm"; wait "$wm" 2>/dev/null; exit 0' TERM
  while :; do
    env "${wm_env[@]}" "${wm_command[@]}" >>"$work/wm.log" 2>&1 &
    wm=$!
    wait "$wm" && status=0 || status=$?
    echo "with_desktop: $wm_name ended with status $status; starting it again" >&2
    tail -n 12 "$work/wm.log" >&2
    printf . >>"$SKELLITH_WM_RESTARTS"
    sleep 0.1
  done
}
supervise &
pids+=($!)
for _ in $(seq 600); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
  echo "with_desktop: $wm_name did not start" >&2
  cat "$work/wm.log" >&2
  exit 1
fi

status=0
"$@" || status=$?
exit "$status"
