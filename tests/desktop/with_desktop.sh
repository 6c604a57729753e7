#!/usr/bin/env bash
# Runs a command on a virtual X server of its own with the openbox window manager, then stops
# those two, and only those. The command gets DISPLAY; its exit status is this script's.
set -euo pipefail

work=$(mktemp -d)
server=""
wm=""
stop() {
  # Under set -e a failing kill or wait (a killed child returns non-zero) would end this early and
  # leave the server running.
  set +e
  for pid in $wm $server; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
}
trap stop EXIT

# The server picks a free display and writes its number once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
server=$!
if ! read -r -t 30 number <"$work/display"; then
  echo "with_desktop: the X server did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$number"
export XDG_RUNTIME_DIR="$work"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 600); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  kill -0 "$wm" 2>/dev/null || break
  sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
  echo "with_desktop: the window manager did not start" >&2
  cat "$work/openbox.log" >&2
  exit 1
fi

status=0
"$@" || status=$?
exit "$status"
