#!/usr/bin/env bash
# Installs what the build needs and is missing (Debian, as root); run by run.sh and test.sh.
set -euo pipefail

# libxcb1-dev reads the window manager's record of the program's windows. The rest serve the
# desktop tests: a virtual X server, four window managers (xfwm4's settings come over a session
# bus), xprop, and XTest.
packages=(g++ cmake ninja-build qt6-base-dev libxcb1-dev libgtest-dev libbenchmark-dev
  fonts-urw-base35 xvfb openbox fluxbox metacity xfwm4 dbus-daemon x11-utils libx11-dev libxtst-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
